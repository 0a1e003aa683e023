#include "columns/ui/ColonneFiltroMatr.h"

#include "ui/DialogParts.h"
#include "ui/Shell.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnelo {

ColonneFiltroMatr::ColonneFiltroMatr(Shell& shell, FilterListDraft& draft)
    : FilterCompanion(shell, draft, "ColonneFiltroMatr", "Importa colonne") {
    struct Source {
        const char* caption;
        const char* name;
        const char* command;
        const char* hint;
    };
    static const Source sources[] = {
        {"Vincenti", "CommVincenti", "ColFilUscite", "le estrazioni dell'archivio"},
        {"Sistemi", "CommSistemi", "ColFilUsciteSistem", "le colonne di un sistema salvato"},
        {"Matrici", "CommMatrici", "GestioneColFiltro", "una lista di colonne filtro salvata"},
        {"File di Testo", "CommTesto", "ColFilUsciteSistem", "un file di testo di colonne"},
    };
    auto* layout = new QVBoxLayout;
    layout->addWidget(new QLabel("Aggiungere alla lista le colonne filtro prese da:", this));
    auto* grid = new QGridLayout;
    int row = 0;
    for (const Source& s : sources) {
        auto* b = namedButton(s.caption, s.name, this);
        const QString command = s.command;
        connect(b, &QPushButton::clicked, this, [this, command] {
            closeWindow();
            this->shell().runCommand(command);
        });
        grid->addWidget(b, row, 0);
        grid->addWidget(new QLabel(s.hint, this), row++, 1);
    }
    layout->addLayout(grid);
    setContent(layout, nullptr);
}

} // namespace varnelo
