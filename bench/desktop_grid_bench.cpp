// psr_desktop_bench [PROPOSALS]: the proposal list in its desktop window, on
// a database where the branch lists PROPOSALS proposals (100,000 unless
// given). Measures the time from
// making the list's window to its first paint, the time to bring the last
// row on screen (Ctrl+End moves the cursor there and the window follows),
// the time to drag the scroll bar to the end, and the longest single step
// of the first kPages presses of Page Down. Prints the medians of
// a few rounds; nothing is asserted. Without a display it runs off screen.
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <vector>

#include "Cli_psr41300/cli_psr41300.h"
#include "Cli_psr41300/frm_solicita_proposta.h"
#include "bench_env.h"
#include "desktop/grid_view.h"
#include "host/application.h"
#include "host/dtmdbgeral.h"
#include "screen_host.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 5;
constexpr int kPages = 500;

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Counts the paints of a widget, to wait for the next one.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget& widget) { widget.installEventFilter(this); }
  int paints = 0;

  // Runs the event loop until the widget has painted again.
  void WaitForPaint() {
    int before = paints;
    Clock::time_point giveUp = Clock::now() + std::chrono::seconds(10);
    while (paints == before) {
      if (Clock::now() > giveUp) throw std::runtime_error("the list was not painted");
      QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

template <class Work>
double Timed(Work&& work) {
  Clock::time_point start = Clock::now();
  work();
  return Millis(Clock::now() - start);
}

void Press(QWidget& view, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(&view, &event);
}

struct Figures {
  std::vector<double> firstPaint, toLastRow, barToEnd, longestPage;
  int pages = 0;
};

// One round: a new window for the list, then the scrolling.
void Round(plat::TDBGrid& list, Figures& figures) {
  QWidget window;
  window.resize(990, 605);
  auto* layout = new QVBoxLayout(&window);
  list.DataSet()->First();
  std::unique_ptr<PaintWatch> watch;
  QTableView* view = nullptr;
  figures.firstPaint.push_back(Timed([&] {
    view = static_cast<QTableView*>(CreateGridView(list, &window));
    layout->addWidget(view);
    watch = std::make_unique<PaintWatch>(*view->viewport());
    window.show();
    watch->WaitForPaint();
  }));
  figures.toLastRow.push_back(Timed([&] {
    Press(*view, Qt::Key_End, Qt::ControlModifier);
    watch->WaitForPaint();
  }));
  if (list.Row() != list.RowCount() - 1) throw std::runtime_error("Ctrl+End did not reach the last row");
  Press(*view, Qt::Key_Home, Qt::ControlModifier);
  watch->WaitForPaint();
  figures.barToEnd.push_back(Timed([&] {
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    watch->WaitForPaint();
  }));
  view->verticalScrollBar()->setValue(0);  // the cursor stayed on the first row
  watch->WaitForPaint();
  double longest = 0;
  int pages = 0;
  while (list.Row() < list.RowCount() - 1 && pages < kPages) {
    int before = list.Row();
    longest = std::max(longest, Timed([&] {
                         Press(*view, Qt::Key_PageDown);
                         watch->WaitForPaint();
                       }));
    ++pages;
    if (list.Row() <= before) throw std::runtime_error("Page Down did not move the list's cursor");
  }
  figures.longestPage.push_back(longest);
  figures.pages = pages;
  watch.reset();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  try {
    const int proposals = argc > 1 ? std::atoi(argv[1]) : 100000;
    if (proposals < 10) throw std::runtime_error("the list needs at least 10 proposals");
    psrbench::BenchEnv env(proposals);
    psrbench::ScreenHost screenHost(env);
    host::OpenLocalDatabase(":memory:");
    CriaSolicitacaoProposta();
    if (!boIdCriado || !frmSolicitaProposta) throw std::runtime_error("the screen did not open" + screenHost.Shown());
    cli_psr41300::TfrmSolicitaProposta& screen = *frmSolicitaProposta;
    plat::TUserActions(screen).SelectTab(*screen.pgcPadrao, *screen.tshFolhaDados);
    std::printf("platform %s; the list shows %d proposals\n", qPrintable(QApplication::platformName()),
                screen.dbgPadrao->RowCount());

    Figures figures;
    for (int i = 0; i < kRounds; ++i) Round(*screen.dbgPadrao, figures);
    std::printf("median of %d rounds, in ms:\n", kRounds);
    std::printf("  first paint of the list window       %8.2f\n", Median(figures.firstPaint));
    std::printf("  Ctrl+End: last row on screen         %8.2f\n", Median(figures.toLastRow));
    std::printf("  scroll bar dragged to the end        %8.2f\n", Median(figures.barToEnd));
    std::printf("  longest Page Down of %4d, painted   %8.2f\n", figures.pages, Median(figures.longestPage));

    screen.CloseScreen();
    host::TApplication::Current().ProcessMessages();
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "psr_desktop_bench: %s\n", e.what());
    return 1;
  }
}
