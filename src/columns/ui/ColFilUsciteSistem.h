#pragma once

#include "columns/ui/FilterCompanion.h"
#include "conditions/CarFile.h"

#include <vector>

class QListWidget;

namespace varnelo {

class RangeBox;

// "Importa sistemi:": the columns of a saved system, or the lines of a text
// file, become filter columns with the admitted hits chosen.
class ColFilUsciteSistem : public FilterCompanion {
    Q_OBJECT
  public:
    ColFilUsciteSistem(Shell& shell, FilterListDraft& draft);

    // "File di Testo" once the file is chosen.
    bool importTextFile(const QString& path);

  protected:
    void systemChanged() override { fillSystems(); }

  private:
    void fillSystems();
    void importSystem();
    bool add(const std::vector<ListColumn>& columns);

    QListWidget* systems_ = nullptr;
    RangeBox* systemHits_ = nullptr;
    RangeBox* textHits_ = nullptr;
};

} // namespace varnelo
