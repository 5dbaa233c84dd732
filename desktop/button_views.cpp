#include "desktop/button_views.h"

#include <QToolButton>

#include "desktop/button_glyphs.h"
#include "desktop/qt_text.h"
#include "platform/ui/buttons.h"

namespace desk {

namespace {

QToolButton* CommandButton(QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(true);
  return button;
}

// The navigator's buttons, in NavButton order: the text each shows and its hint.
struct NavRow {
  const char* text;
  const char* hint;
};

constexpr std::array<NavRow, NavigatorView::kButtons> kNavRows = {{
    {"|◀", "Primeiro"},
    {"◀", "Anterior"},
    {"▶", "Próximo"},
    {"▶|", "Último"},
    {"+", "Incluir"},
    {"−", "Excluir"},
    {"▲", "Alterar"},
    {"✔", "Confirmar"},
    {"✖", "Cancelar"},
    {"↻", "Atualizar"},
}};

}  // namespace

// ---- toolbar and search buttons ---------------------------------------------------

SpeedButtonView::SpeedButtonView(plat::TControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, CommandButton(parent)), button_(static_cast<QToolButton*>(Widget())) {
  QIcon icon = CommandIcon(control.Name(), *button_->style());
  if (dynamic_cast<plat::TBtnPesquisa*>(&control))
    button_->setText(QStringLiteral("…"));
  else if (!icon.isNull())
    button_->setIcon(icon);
  else
    button_->setText(CommandLetter(control.Hint()));
  QObject::connect(button_, &QToolButton::clicked, button_, [this] {
    plat::TControl& clicked = Control();
    if (!Context().MayAct(clicked)) return;
    Act([&clicked](plat::TUserActions& actions) { return actions.Click(clicked); });
  });
}

// ---- record navigator ----------------------------------------------------------------

NavigatorView::NavigatorView(plat::TDBNavigator& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QWidget(parent)), navigator_(control) {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    QToolButton* button = CommandButton(Widget());
    button->setText(QString::fromUtf8(kNavRows[i].text));
    button->setToolTip(QString::fromUtf8(kNavRows[i].hint));
    button->setObjectName(Widget()->objectName() + QString::number(i));
    auto which = static_cast<plat::NavButton>(i);
    QObject::connect(button, &QToolButton::clicked, button, [this, which] {
      if (!Context().MayAct(navigator_)) return;
      Act([this, which](plat::TUserActions& actions) {
        return actions.Run([this, which] {
          navigator_.ClickButton(which);
          return true;
        });
      });
    });
    buttons_[i] = button;
  }
}

void NavigatorView::SyncContent() {
  int width = navigator_.Width / kButtons;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->setGeometry(static_cast<int>(i) * width, 0, width, navigator_.Height);
    buttons_[i]->setEnabled(navigator_.ButtonEnabled(static_cast<plat::NavButton>(i)));
  }
}

}  // namespace desk
