#pragma once

#include <QString>

#include <functional>

namespace varnelo {

class Varnelo;

// The commands of the "&Sistemi" menu: they ask what the core decides and
// show its notices.
class SystemCommands {
  public:
    explicit SystemCommands(Varnelo& main) : main_(main) {}

    // The save prompt; false when the user chose "Annulla" or the save failed.
    bool askToSave();
    // False when the user kept the current system.
    bool newSystem();
    bool save();
    void saveAs();
    // True when a system was opened.
    bool open(bool previousVersion);
    void exportColumns();
    void importColumns();

    // The file dialogs; tests replace them. Arguments: title, starting folder,
    // default name; an empty result means the user cancelled.
    std::function<QString(const QString&, const QString&, const QString&)> chooseSaveFile;
    std::function<QString(const QString&, const QString&)> chooseOpenFile;

  private:
    bool openByName(const QString& name, bool previousVersion);
    void notify(const auto& outcome);

    Varnelo& main_;
};

} // namespace varnelo
