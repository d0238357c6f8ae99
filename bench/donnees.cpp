#include "bench/donnees.h"

#include <QFile>
#include <QStringList>
#include <string>

#include "interdictions/noire.h"
#include "register/etalement.h"

namespace qx30::bench {

namespace {

// Every frequency the choice list admits: the four bands on a 5 kHz step.
std::vector<int> frequences_admises() {
  std::vector<int> f;
  for (auto [debut, fin] : {std::pair{26000, 27995}, {35000, 35995}, {40000, 42995}, {72000, 72995}})
    for (int x = debut; x <= fin; x += 5) f.push_back(x);
  return f;
}

void poser(t_fiches& fiches, int k, int freq, const char* etat) {
  t_fiche& f = fiches[k];
  f.numero = k;
  f.freq = freq;
  f.etat = etat;
  f.libelle = construire_libelle(std::to_string(freq), "Pilote " + std::to_string(k) + " de l'aeroclub",
                                 k % 2 ? "planeur" : "thermique 4 temps");
  f.autorise = true;
  f.cumul_temps = k % 97;
  f.nbre_evolutions = k % 7;
  if (f.etat != "L") {
    f.heure_debut = "14:05";
    f.temps_vol = k % 15;
  }
}

}  // namespace

t_fiches fiches_998(bool moitie_2_4_ghz) {
  const std::vector<int> admises = frequences_admises();
  t_fiches fiches;
  for (int k = 1; k <= derniere_place_enregistrable; ++k) {
    // The rank of the entry in the table without 2.4 GHz, which gives its state.
    const int rang = moitie_2_4_ghz ? (k + 1) / 2 : k;
    const char* etat = rang <= nb_en_vol ? "V" : rang <= nb_en_vol + nb_en_attente ? "A" : "L";
    if (moitie_2_4_ghz && k % 2 == 0) poser(fiches, k, debut_2_4_ghz, etat);
    else if (rang <= nb_en_vol) poser(fiches, k, 40000 + 20 * (rang - 1), etat);
    else poser(fiches, k, admises[static_cast<std::size_t>(k * 7) % admises.size()], etat);
  }
  return fiches;
}

t_fiches fiches_999() {
  t_fiches fiches = fiches_998();
  fiches[nb_places] = fiches[nb_places - 1];
  fiches[nb_places].numero = nb_places;
  return fiches;
}

t_interdictions table_au_plafond() {
  t_interdictions table;
  noire(fiches_998(), options_noire{}, table);
  return table;
}

void garnir_dossier(const QString& dossier) {
  const auto ecrire = [&](const char* nom, const QByteArray& octets) {
    QFile f(dossier + "/" + nom);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
      throw std::runtime_error(std::string("cannot write ") + nom);
  };
  QStringList frequences, pilotes, commentaires;
  for (int f : frequences_admises())
    if (f % 10 == 0) frequences << QString::number(f);
  for (int i = 1; i <= 60; ++i) pilotes << QStringLiteral("Pilote %1").arg(i);
  for (const char* c : {"planeur", "thermique", "electrique", "hélico", "voltige", "remorqueur"})
    commentaires << QString::fromUtf8(c);
  ecrire("parametres.ini", QByteArray::fromHex("00ff0000ffff0000ffffff00a6caf00018000080"));
  ecrire("frequences.txt", frequences.join("\r\n").toLatin1());
  ecrire("pilotes.txt", pilotes.join("\r\n").toLatin1());
  ecrire("commentaires.txt", commentaires.join("\r\n").toUtf8());
}

}  // namespace qx30::bench
