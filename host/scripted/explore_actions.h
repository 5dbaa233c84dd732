// ExploreActions: draws the explorer's next step at random from what the
// screen offers at that moment, written as a scenario line.
//
// What callers may rely on:
// - Every line is one step of the scenario table (click, type, choose,
//   select, select-tab, key, keypress, ellipsis, focus, title, answer, pick,
//   fail-next, sql, open), so a run can be written back as a scenario file.
// - Actions aim only at what is there now: shown, enabled toolbar buttons,
//   search buttons and menu items, visible tabs, focusable controls, shown
//   grids and their current columns. With no screen open the next line is
//   `open`.
// - A confirmation always has an answer queued (an `answer` line comes
//   first when none is), and a picker or search button always has a pick
//   queued before it.
// - The same seed, vocabulary and screen give the same lines.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

namespace plat {
class TForm;
class TField;
}  // namespace plat

namespace hostapp {

class StepContext;

// Names the explorer types where the screen expects a name from a list:
// systems, service types, commercial products, party and operator codes.
struct ExploreVocabulary {
  std::vector<std::string> systems, services, products, parties, operators;
};

// Reads the vocabulary from the server's reference tables (test Sql).
ExploreVocabulary ReadVocabulary(StepContext& context);

class ExploreActions {
 public:
  ExploreActions(uint64_t seed, ExploreVocabulary vocabulary);

  // The next step, as a scenario line.
  std::string Next(StepContext& context);

  // A text to type into the field: valid for it, or not (letters in a
  // number, an impossible date, empty, too long).
  std::string ValueFor(const plat::TField* field, bool valid);

 private:
  std::size_t Below(std::size_t count);  // 0 <= n < count
  bool Chance(int percent);
  template <class T>
  const T& OneOf(const std::vector<T>& items) {
    return items[Below(items.size())];
  }
  std::string Draw(StepContext& context, plat::TForm& screen);
  std::string PickLine();

  std::mt19937_64 random_;
  ExploreVocabulary vocabulary_;
  std::deque<std::string> following_;  // lines already decided (the action after its pick)
};

}  // namespace hostapp
