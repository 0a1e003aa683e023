#include "shell/ui/SystemCommands.h"

#include "core/TextColumns.h"
#include "shell/ui/Varnelo.h"
#include "system/SystemStorage.h"
#include "system/ui/GestioneSalva.h"
#include "system/ui/GestioneSistemi.h"
#include "system/ui/ImportaDaTesto.h"
#include "ui/Avviso.h"
#include "ui/TaskDialog.h"
#include "ui/Text.h"

#include <QFileDialog>

namespace varnelo {

void SystemCommands::notify(const auto& outcome) {
    if (outcome.notice)
        Avviso::ask(*outcome.notice, &main_);
}

bool SystemCommands::askToSave() {
    const auto prompt = savePrompt(main_.state());
    if (!prompt)
        return true;
    switch (Avviso::ask(*prompt, &main_)) {
    case Avviso::Yes:
        return save();
    case Avviso::No:
        return true;
    default:
        return false;
    }
}

bool SystemCommands::newSystem() {
    if (!askToSave())
        return false;
    varnelo::newSystem(main_.state());
    Q_EMIT main_.events().systemReplaced();
    main_.refresh();
    return true;
}

bool SystemCommands::save() {
    ProgramState& st = main_.state();
    Progress progress;
    progress.total = st.columns.storedCount;
    TaskOutcome out;
    TaskDialog::run(main_, "Salvataggio", qs(savingLabel(st.systemName)), progress,
                    [&] { out = saveSystem(st, progress); });
    notify(out);
    main_.refresh();
    return out.done();
}

void SystemCommands::saveAs() {
    ProgramState& st = main_.state();
    GestioneSalva dialog(qs(st.systemName), &main_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const SaveAsDecision d = decideSaveAs(st, dialog.name().toStdString());
    switch (d.step) {
    case SaveAsStep::Refuse:
        if (d.notice)
            Avviso::ask(*d.notice, &main_);
        return;
    case SaveAsStep::NothingToDo:
        return;
    case SaveAsStep::AskOverwrite:
        if (Avviso::ask(overwriteQuestion(d.name), &main_) != Avviso::Yes)
            return;
        break;
    case SaveAsStep::Save:
        break;
    }
    Progress progress;
    progress.total = st.columns.storedCount;
    TaskOutcome out;
    TaskDialog::run(main_, "Salvataggio", qs(savingLabel(d.name)), progress,
                    [&] { out = saveSystemAs(st, d.name, progress); });
    notify(out);
    main_.refresh();
}

bool SystemCommands::openByName(const QString& name, bool previousVersion) {
    if (!askToSave())
        return false;
    ProgramState& st = main_.state();
    Progress progress;
    TaskOutcome out;
    TaskDialog::run(main_, "Apertura sistema", "Caricamento colonne del sistema " + name, progress,
                    [&] {
                        out = openSystem(st, name.toStdString(), progress,
                                         previousVersion ? SettingsLayout::PreviousVersion
                                                         : SettingsLayout::Current);
                    });
    notify(out);
    if (out.status != TaskStatus::Failed)
        Q_EMIT main_.events().systemReplaced();
    main_.refresh();
    return out.status != TaskStatus::Failed;
}

bool SystemCommands::open(bool previousVersion) {
    GestioneSistemi dialog(main_.state().folder, qs(main_.state().systemName), &main_);
    bool any = false;
    QObject::connect(&dialog, &GestioneSistemi::openRequested, &dialog, [&](const QString& name) {
        const bool opened = openByName(name, previousVersion);
        any = any || opened;
        if (opened && dialog.rework() != GestioneSistemi::Rework::None)
            main_.reworkSystem(dialog.rework());
        if (opened && dialog.closeOnOpen())
            dialog.accept();
        else
            dialog.reload();
    });
    dialog.exec();
    return any;
}

void SystemCommands::exportColumns() {
    ProgramState& st = main_.state();
    if (st.columns.storedCount >= st.columns.capacity()) {
        Avviso::ask(tooManyColumnsNotice(), &main_);
        return;
    }
    const QString file =
        chooseSaveFile("Salva ", qs(st.folder.path("qor").string()), qs(st.systemName) + ".txt");
    if (file.isEmpty())
        return;
    Progress progress;
    progress.total = st.columns.storedCount;
    TaskOutcome out;
    TaskDialog::run(main_, "Salva colonne", "Salvataggio colonne su " + file, progress, [&] {
        out = varnelo::exportColumns(file.toStdString(), st.columns, progress);
    });
    notify(out);
}

void SystemCommands::importColumns() {
    ImportaDaTesto choice(&main_);
    if (choice.exec() != QDialog::Accepted)
        return;
    ProgramState& st = main_.state();
    const QString file = chooseOpenFile("Apri ", qs(st.folder.path("qor").string()));
    if (file.isEmpty())
        return;
    if (choice.intoNewSystem()) {
        if (!askToSave())
            return;
        varnelo::newSystem(st);
        Q_EMIT main_.events().systemReplaced();
    }
    Progress progress;
    ImportOutcome out;
    TaskDialog::run(main_, "Importa colonne", "Importazione colonne da " + file, progress, [&] {
        out = varnelo::importColumns(file.toStdString(), st.columns, st.selection, st.options,
                                     progress);
    });
    notify(out);
    if (out.done()) {
        // Either way the imported columns are saved at once.
        st.modified = true;
        save();
    }
    main_.refresh();
}

} // namespace varnelo
