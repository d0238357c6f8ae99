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
  std::deque<bool> reponses;          // answers to the coming questions
  std::function<void()> pendant_question;  // what the operator does while a question is open
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  int affichages = 0;
  std::vector<std::string> vues;  // the rebuilds and refreshes, in order

  std::optional<std::string> ligne_choisie(Liste liste) override {
    const auto it = selection.find(liste);
    return it == selection.end() ? std::nullopt : std::optional(it->second);
  }
  void message(const std::string& texte) override { messages.push_back(texte); }
  bool question(const std::string& texte) override {
    questions.push_back(texte);
    if (pendant_question) pendant_question();
    if (reponses.empty()) return false;
    const bool oui = reponses.front();
    reponses.pop_front();
    return oui;
  }
  void affichage() override { ++affichages, vues.push_back("affichage"); }

  int en_vol = 0;
  int maximum = 5;
  std::string horloge = "14:05";
  // Frequencies the check refuses, with the reason group it appends.
  std::map<std::int32_t, std::string> refusees;
  std::vector<std::pair<std::int32_t, bool>> verifications;

  int nombre_en_vol() override { return en_vol; }
  int nbre_max() override { return maximum; }
  std::string heure() override { return horloge; }
  bool autoriser(std::int32_t freq, bool teste_en_vol, std::string& texte_motifs) override {
    verifications.emplace_back(freq, teste_en_vol);
    const auto it = refusees.find(freq);
    if (it == refusees.end()) return true;
    texte_motifs += it->second;
    return false;
  }
  void noire() override { vues.push_back("noire"); }

  std::vector<t_evenement> evenements;
  void journal(const t_evenement& e) override { evenements.push_back(e); }
};

}  // namespace qx30::testing
