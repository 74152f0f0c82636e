// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/terminal/card_viewer.h"

#include <cctype>

#include "base/simulator.h"
#include "console/keyboard.h"
#include "shell/terminal/training_commands.h"
#include "training/card_schedule.h"
#include "training/flash_cards.h"
#include "training/instructions.h"

namespace kovrel::terminal {
namespace {

enum class CardKey { reveal, next, back, knewIt, notYet, leave, other };

CardKey cardKeyOf(const KeyEvent& event) {
  if (event.kind != KeyEventKind::press) return CardKey::other;
  // Ctrl-C is how a terminal user gets out of things.
  if (event.ctrl) return event.keyCode == 'C' ? CardKey::leave : CardKey::other;
  switch (event.keyCode) {
    case key::kSpace:
    case key::kEnter:
      return CardKey::reveal;
    case key::kRight:
      return CardKey::next;
    case key::kLeft:
      return CardKey::back;
    case key::kEscape:
      return CardKey::leave;
    default:
      break;
  }
  switch (std::tolower(event.character)) {
    case 'n':
      return CardKey::next;
    case 'b':
      return CardKey::back;
    case 'q':
      return CardKey::leave;
    case 'k':
      return CardKey::knewIt;
    case 'd':
      return CardKey::notYet;
    default:
      return CardKey::other;
  }
}

// The card on the screen ends with the answer box's caption, so only the answer follows it.
void addAnswer(Simulator& sim, ProgramCommandResult& result) {
  const std::vector<std::string> box = splitLessonLines(flashCardShowAnswer(sim).answerBox);
  result.lines.insert(result.lines.end(), box.begin() + 1, box.end());
}

// A rating says where the card went in the schedule, then shows the next card.
void rate(Simulator& sim, bool knewIt, ProgramCommandResult& result) {
  const FlashCardDeck& deck = sim.state.training.flashCards;
  if (!deck.answerShown) {
    result.lines.emplace_back("Reveal the answer first (Space), then rate the card.");
    return;
  }
  const int id = deck.cards[deck.position].id;
  const std::size_t position = deck.position;
  rateFlashCard(sim, knewIt);
  const CardRecord record = sim.progress.progress().cards.at(id);
  const int days = kBoxIntervalDays[static_cast<std::size_t>(record.box - 1)];
  result.lines.push_back(std::string(knewIt ? "Knew it" : "Not yet") + ": box " +
                         std::to_string(record.box) + " of " +
                         std::to_string(kBoxIntervalDays.size()) + ", due again " +
                         (days == 0   ? std::string("today")
                          : days == 1 ? std::string("tomorrow")
                                      : "in " + std::to_string(days) + " days") +
                         ".");
  if (deck.position == position) {
    result.lines.emplace_back("That was the last card; b goes back, q leaves.");
    return;
  }
  addFlashCard(sim, result);
}

}  // namespace

ProgramCommandResult CardViewer::feed(Simulator& sim, const KeyEvent& event) {
  ProgramCommandResult result;
  const FlashCardView view = flashCardView(sim.state.training.flashCards);
  // The deck may have been closed by a program command since the viewer opened.
  if (!view.showAnswerEnabled || sim.state.training.currentActivity != Activity::flashCards) {
    active_ = false;
    return result;
  }
  switch (cardKeyOf(event)) {
    case CardKey::reveal:
      addAnswer(sim, result);
      break;
    case CardKey::next:
      if (!view.forwardEnabled) {
        result.lines.emplace_back("This is the last card.");
      } else {
        flashCardForward(sim);
        addFlashCard(sim, result);
      }
      break;
    case CardKey::back:
      if (!view.backEnabled) {
        result.lines.emplace_back("This is the first card.");
      } else {
        flashCardBack(sim);
        addFlashCard(sim, result);
      }
      break;
    case CardKey::knewIt:
    case CardKey::notYet:
      rate(sim, cardKeyOf(event) == CardKey::knewIt, result);
      break;
    case CardKey::leave:
      active_ = false;
      result.lines.emplace_back("Flash cards left; Ctrl-] cards opens them again.");
      break;
    case CardKey::other:
      result.lines.emplace_back(kCardKeys);
      break;
  }
  return result;
}

std::string CardViewer::statusLine(const Simulator& sim) {
  const FlashCardDeck& deck = sim.state.training.flashCards;
  return "card " + std::to_string(deck.position + 1) + " of " + std::to_string(deck.cards.size()) +
         " [Space answer, k knew it, d not yet, n next, b back, q leave]";
}

}  // namespace kovrel::terminal
