#pragma once
// A desk whose operator is the test: it records every box and refresh, and
// answers the questions from a queue.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "register/desk.h"

namespace qx30::testing {

class FakeDesk : public Desk {
 public:
  std::map<Liste, std::string> selection;
  std::deque<bool> answers;  // to the coming questions
  std::function<void()> meanwhile;  // what the operator does while a question is open
  std::vector<std::string> messages, questions;
  std::vector<std::string> views;  // the rebuilds and refreshes, in order

  std::optional<std::string> ligne_choisie(Liste liste) override {
    const auto it = selection.find(liste);
    return it == selection.end() ? std::nullopt : std::optional(it->second);
  }
  void message(const std::string& text) override { messages.push_back(text); }
  bool question(const std::string& text) override {
    questions.push_back(text);
    if (meanwhile) meanwhile();
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void affichage() override { views.push_back("affichage"); }

  int en_vol = 0, maximum = 5;
  std::string clock = "14:05";
  // Frequencies the check refuses, with the reason group it appends.
  std::map<std::int32_t, std::string> refused;
  std::vector<std::pair<std::int32_t, bool>> checks;

  int nombre_en_vol() override { return en_vol; }
  int nbre_max() override { return maximum; }
  std::string heure() override { return clock; }
  bool autoriser(std::int32_t freq, bool teste_en_vol, std::string& texte_motifs) override {
    checks.emplace_back(freq, teste_en_vol);
    const auto it = refused.find(freq);
    if (it == refused.end()) return true;
    texte_motifs += it->second;
    return false;
  }
  void noire() override { views.push_back("noire"); }

  std::vector<t_evenement> evenements;
  void journal(const t_evenement& e) override { evenements.push_back(e); }
};

}  // namespace qx30::testing
