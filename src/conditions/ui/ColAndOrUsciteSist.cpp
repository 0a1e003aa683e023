#include "conditions/ui/ColAndOrUsciteSist.h"

#include "conditions/FamilyFiles.h"
#include "conditions/QuadroImports.h"
#include "conditions/QuadroTools.h"
#include "conditions/ui/QuadroImport.h"
#include "core/SavedColumns.h"
#include "system/ProgramState.h"
#include "system/SystemList.h"
#include "ui/Text.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varnelo {

namespace {

const QStringList kSourceNames = {"Sistemi", "Matrici", "File di Testo"};

} // namespace

ColAndOrUsciteSist::ColAndOrUsciteSist(Shell& shell, QuadroImport& target)
    : QuadroImportWindow(shell, "ColAndOrUsciteSist", "Importa sistemi:", target), target_(target) {
    auto* group = new QButtonGroup(this);
    auto* sourceRow = new QHBoxLayout;
    for (int s = 0; s < 3; ++s) {
        auto* b = new QRadioButton(kSourceNames[s], this);
        b->setObjectName(QString("OptFonte(%1)").arg(s));
        group->addButton(b, s);
        sourceRow->addWidget(b);
        sources_[static_cast<std::size_t>(s)] = b;
    }
    sourceRow->addStretch();
    connect(group, &QButtonGroup::idClicked, this, &ColAndOrUsciteSist::showSource);
    names_ = new QListWidget(this);
    names_->setObjectName("ListSistemi");
    names_->setMinimumSize(280, 180);
    hint_ = new QLabel(this);
    hint_->setWordWrap(true);
    body()->addLayout(sourceRow);
    body()->addWidget(names_, 1);
    body()->addWidget(hint_);
}

void ColAndOrUsciteSist::showEvent(QShowEvent* event) {
    showSource(std::max(0, static_cast<int>(kSourceNames.indexOf(target_.importSource()))));
    QuadroImportWindow::showEvent(event);
}

void ColAndOrUsciteSist::showSource(int source) {
    sources_[static_cast<std::size_t>(source)]->setChecked(true);
    names_->clear();
    if (source == Systems) {
        for (const SystemEntry& e : listSystems(state().folder))
            if (!e.damaged)
                names_->addItem(qs(e.name));
        hint_->setText("Max 1000 colonne");
        setHitsCaption("Valori  inseribili");
    } else if (source == Lists) {
        for (const std::string& n : filterFiles(state().folder, ".cac"))
            names_->addItem(qs(n));
        hint_->setText("Le liste di numeri salvate nella cartella andor.");
        setHitsCaption("Inserire i punti per le colonne di Testo:");
    } else {
        hint_->setText("\"Importa\" chiede il file: una colonna filtro per riga.");
        setHitsCaption("Inserire i punti per le colonne di Testo:");
    }
    names_->setEnabled(source != TextFile);
    if (names_->count() > 0)
        names_->setCurrentRow(0);
}

bool ColAndOrUsciteSist::importInto(AndOrQuadro& quadro, int minHits, int maxHits,
                                    std::optional<Notice>& notice) {
    if (sources_[TextFile]->isChecked()) {
        const QString file = QFileDialog::getOpenFileName(this, "Importa colonne filtro", {},
                                                          "File testo (*.txt);;Tutti i file (*)");
        if (file.isEmpty())
            return false;
        std::vector<ListColumn> lists;
        notice = readTextFilterColumns(file.toStdString(), lists);
        if (notice)
            return false;
        notice = addQuadroColumns(quadro, quadroColumnsOf(lists, minHits, maxHits));
        return true;
    }
    const QListWidgetItem* item = names_->currentItem();
    if (!item)
        return false;
    const std::string name = item->text().toStdString();
    if (sources_[Lists]->isChecked()) {
        std::vector<ListColumn> lists;
        notice = loadCac(state().folder, name, lists);
        if (notice)
            return false;
        notice = addQuadroColumns(quadro, quadroColumnsOf(lists, minHits, maxHits));
        return true;
    }
    const std::size_t room = kMaxQuadroColumns - std::min(kMaxQuadroColumns, quadro.columns.size());
    // One column more than the room tells the import that it was cut.
    std::vector<Column> columns;
    std::size_t total = 0;
    notice = readSavedColumns(state().folder, name, room + 1, columns, total);
    if (notice)
        return false;
    notice = importSystemColumns(quadro, columns, minHits, maxHits);
    return true;
}

} // namespace varnelo
