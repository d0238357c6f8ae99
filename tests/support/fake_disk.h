#pragma once
// The tests' one fake file system: files in memory, any step made to fail,
// and a disk that keeps through a crash only what was flushed: a file's data
// after synchroniser, a name (a new file, a rename) after a flush of the folder.
#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "storage/file_system.h"

namespace qx30::testing {

using Bytes = std::vector<std::uint8_t>;
using Path = std::filesystem::path;
struct Crash {};  // the machine stops: nothing of the save under way runs further

// What `f` threw, or "ok".
inline std::string thrown(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "ok";
}

class FakeDisk : public FileSystem {
 public:
  // This step ("lire", "lire_ecriture" when read-write, "creer", "ouvrir_ajout", "ecrire", "synchroniser",
  // "fermer", "renommer", "synchroniser_dossier") fails with `error` from its `from_call`-th call on.
  std::string failing_step;
  int error = 0, from_call = 1;
  int crash_at = 0;               // the machine stops at this step (counted over all steps)
  std::vector<std::string> steps;  // the steps, in order; a failing or stopped write writes half
  std::set<Handle> open;           // handles not closed yet
  t_date_heure time{2026, 12, 5, 14, 7, 30};  // when a file written now is written

  void put(const Path& name, const Bytes& b) {
    files_.push_back({b, b, time});
    names_[name] = durable_[name] = files_.size() - 1;
  }
  std::optional<Bytes> content(const Path& name) const {
    if (!names_.contains(name)) return std::nullopt;
    return files_[names_.at(name)].cache;
  }
  std::set<std::string> names() const {
    std::set<std::string> n;
    for (const auto& [name, i] : names_) n.insert(name.filename().string());
    return n;
  }
  void restart() {
    names_ = durable_;
    for (auto& f : files_) f.cache = f.disk;
  }

  int lire(const Path& name, Ouverture mode, std::size_t limit, Bytes& b) override {
    if (const int e = step(mode == Ouverture::lecture ? "lire" : "lire_ecriture")) return e;
    if (!names_.contains(name)) return ENOENT;
    const Bytes& c = files_[names_[name]].cache;
    b.assign(c.begin(), c.begin() + static_cast<std::ptrdiff_t>(std::min(limit, c.size())));
    return 0;
  }
  int creer_temporaire(const Path& target, Handle& h, Path& t) override {
    if (const int e = step("creer")) return e;
    h = static_cast<Handle>(files_.size());
    open.insert(h);
    t = target.parent_path() / ("." + target.filename().string() + "." + std::to_string(h) + ".tmp");
    files_.push_back({});
    names_[t] = files_.size() - 1;
    return 0;
  }
  int ouvrir_ajout(const Path& name, Handle& h, std::uintmax_t& size) override {
    if (const int e = step("ouvrir_ajout")) return e;
    if (!names_.contains(name)) {
      files_.push_back({});
      names_[name] = files_.size() - 1;
    }
    h = static_cast<Handle>(names_[name]);
    open.insert(h);
    size = files_[names_[name]].cache.size();
    return 0;
  }
  int ecrire(Handle h, std::span<const std::uint8_t> b) override {
    Bytes& c = files_.at(static_cast<std::size_t>(h)).cache;
    const int e = step("ecrire", [&] { c.insert(c.end(), b.begin(), b.begin() + b.size() / 2); });
    if (e == 0) c.insert(c.end(), b.begin(), b.end());
    files_.at(static_cast<std::size_t>(h)).written = time;
    return e;
  }
  int synchroniser(Handle h) override {
    File& f = files_.at(static_cast<std::size_t>(h));
    const int e = step("synchroniser");
    if (e == 0) f.disk = f.cache;
    return e;
  }
  int fermer(Handle h) override { return open.erase(h), step("fermer"); }
  int renommer(const Path& from, const Path& to) override {
    if (const int e = step("renommer")) return e;
    if (!names_.contains(from)) return ENOENT;
    names_[to] = names_[from];
    names_.erase(from);
    return 0;
  }
  int supprimer(const Path& name) override {
    if (const int e = step("supprimer")) return e;
    return names_.erase(name) == 1 ? 0 : ENOENT;
  }
  int synchroniser_dossier(const Path&) override {
    const int e = step("synchroniser_dossier");
    if (e == 0) durable_ = names_;
    return e;
  }
  std::vector<std::string> noms(const Path& dossier) override {
    std::vector<std::string> n;
    for (const auto& [name, i] : names_)
      if (dossier_de(name) == dossier) n.push_back(name.filename().string());
    return n;
  }
  int date_modification(const Path& name, t_date_heure& moment) override {
    if (!names_.contains(name)) return ENOENT;
    moment = files_[names_[name]].written;
    return 0;
  }

 private:
  struct File {
    Bytes cache, disk;
    t_date_heure written;
  };
  std::vector<File> files_;
  std::map<Path, std::size_t> names_, durable_;
  std::map<std::string, int> calls_;

  int step(const std::string& name, const std::function<void()>& half = {}) {
    steps.push_back(name);
    const bool failing = name == failing_step && ++calls_[name] >= from_call;
    const bool stop = static_cast<int>(steps.size()) == crash_at;
    if (half && (failing || stop)) half();
    if (stop) throw Crash{};
    return failing ? error : 0;
  }
};

}  // namespace qx30::testing
