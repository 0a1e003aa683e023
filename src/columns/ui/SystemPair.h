#pragma once

#include "core/ColumnsFile.h"
#include "core/Numbers.h"
#include "core/ProgramFolder.h"

#include <QGroupBox>

#include <optional>
#include <string>
#include <vector>

class QLabel;

namespace varnelo {

// The two saved systems a comparison or a join works on: "Sistema 1" and
// "Sistema 2" choose them in "Apri sistemi colonnari:", and each shows as
// "1° Sistema = NAME   colonne = N".
class SystemPair : public QGroupBox {
    Q_OBJECT
  public:
    SystemPair(const ProgramFolder& folder, QWidget* parent);

    // Reads the system's columns; a refusal shows its notice and keeps the old one.
    bool choose(int which, const std::string& name);
    void clear();
    const std::string& name(int which) const { return inputs_[which].name; }
    const std::vector<Column>& columns(int which) const { return inputs_[which].columns; }

    // "Salva col nome" for a result: the name box, then the name rules and
    // "Sostituire il file?"; nothing when refused or given up. The dialog
    // takes `dialogName` as its objectName.
    std::optional<std::string> askResultName(const QString& dialogName);
    // Shows the notice of a save that failed.
    void reportSave(const TaskOutcome& saved);

  Q_SIGNALS:
    void changed();

  private:
    struct Input {
        std::string name;
        std::vector<Column> columns;
    };
    void pick(int which);
    void show();

    const ProgramFolder& folder_;
    Input inputs_[2];
    QLabel* labels_[2] = {};
};

} // namespace varnelo
