#pragma once

#include "conditions/FilterColumns.h"
#include "core/Notice.h"

#include <QObject>

#include <optional>
#include <string>

namespace varnelo {

struct ProgramState;

// The filter list while `ColonneFiltro` edits it: a working copy of the
// system's list that its companion windows change too. "OK" hands it to the
// system, "Annulla" drops it; either way the companions close.
class FilterListDraft : public QObject {
    Q_OBJECT
  public:
    explicit FilterListDraft(ProgramState& state) : state_(state) {}

    // Starts from the system's list, unless an edit is already going on.
    void begin();
    bool editing() const { return editing_; }
    // Ends the edit; with `keep` the list (and, when it is active, what
    // "Attivazione" takes from it) goes to the system. A refused activation
    // keeps the edit going and returns its notice.
    std::optional<Notice> end(bool keep);

    FilterList& list() { return list_; }
    const FilterList& list() const { return list_; }
    std::size_t size() const { return list_.columns.size(); }
    // "Nome colonne filtro = ": the file the list came from or went to.
    const std::string& name() const { return name_; }
    void setName(const std::string& name);

    // Every change of the list goes through here, so that views and companions follow.
    void changed() { Q_EMIT listChanged(); }
    // The rows a companion acts on: the selection of the grid, or the whole list.
    std::pair<std::size_t, std::size_t> marked() const { return marked_; }
    void setMarked(std::size_t first, std::size_t last);
    // `ColonneFiltroAnalisi` shows the analysis asked for (0..3, in the
    // order of its pages).
    void askAnalysis(int kind) { Q_EMIT analysisAsked(kind); }

  Q_SIGNALS:
    void listChanged();
    void nameChanged();
    void markedChanged();
    void analysisAsked(int kind);
    void ended();

  private:
    ProgramState& state_;
    FilterList list_;
    std::string name_;
    std::pair<std::size_t, std::size_t> marked_{1, 1};
    bool editing_ = false;
};

} // namespace varnelo
