#include "shell/ui/Varnelo.h"
#include "system/SystemRun.h"

#include "archive/ui/Collegamento.h"
#include "archive/ui/ColonneUscite.h"
#include "archive/ui/CopiaArchivio.h"
#include "archive/ui/Ricerca.h"
#include "checking/ui/ColonneSulVideo.h"
#include "checking/ui/Comfronto.h"
#include "checking/ui/Comfronto2.h"
#include "checking/ui/Confrontiamo.h"
#include "checking/ui/DebuGG.h"
#include "checking/ui/Montepremi.h"
#include "checking/ui/Quote.h"
#include "checking/ui/Tortaa.h"
#include "checking/ui/spoglio.h"
#include "columns/ui/ColFilUscite.h"
#include "columns/ui/ColFilUsciteSistem.h"
#include "columns/ui/ColonneFiltro.h"
#include "columns/ui/ColonneFiltroAnalisi.h"
#include "columns/ui/ColonneFiltroCambia.h"
#include "columns/ui/ColonneFiltroElimona.h"
#include "columns/ui/ColonneFiltroMatr.h"
#include "columns/ui/ColonneFiltroUguali.h"
#include "columns/ui/ConfrontaColonne.h"
#include "columns/ui/GestioneColFiltro.h"
#include "columns/ui/UnisciColonne.h"
#include "conditions/ConditionSet.h"
#include "conditions/ui/ColAndOr.h"
#include "conditions/ui/ColAndOrUscite.h"
#include "conditions/ui/ColAndOrUsciteSist.h"
#include "conditions/ui/ConBuconero.h"
#include "conditions/ui/ConDecPiuUniDiff.h"
#include "conditions/ui/CondBaricentro.h"
#include "conditions/ui/CondDecUnita.h"
#include "conditions/ui/CondResti.h"
#include "conditions/ui/CondRitardiVari.h"
#include "conditions/ui/CondizAmbata.h"
#include "conditions/ui/CondizAmbo.h"
#include "conditions/ui/CondizCifre.h"
#include "conditions/ui/CondizCifrePerCasella.h"
#include "conditions/ui/CondizCifree.h"
#include "conditions/ui/CondizSequenze.h"
#include "conditions/ui/CondizSola.h"
#include "conditions/ui/CondizTre.h"
#include "conditions/ui/CondizUguVerticale.h"
#include "conditions/ui/CondizioneDue.h"
#include "conditions/ui/Condizioni3.h"
#include "conditions/ui/Condizioni4.h"
#include "conditions/ui/CondizioniTre.h"
#include "conditions/ui/InsCondizione.h"
#include "conditions/ui/Links.h"
#include "conditions/ui/LinksPunti.h"
#include "conditions/ui/PicchettoS.h"
#include "conditions/ui/PicchettoSomma.h"
#include "conditions/ui/Sequele1.h"
#include "conditions/ui/SequeleDue.h"
#include "conditions/ui/Video.h"
#include "conditions/ui/livellazione.h"
#include "core/OutOfMemory.h"
#include "engine/Recalculation.h"
#include "engine/ui/SviluppoS.h"
#include "printing/ui/ImpostaStampa.h"
#include "printing/ui/ImpostaStampaTabulato.h"
#include "printing/ui/ImpostaStampante.h"
#include "printing/ui/InposCedolina.h"
#include "printing/ui/StampaTab.h"
#include "reduced/KeptGuarantee.h"
#include "reduced/ui/GestRidotti.h"
#include "reduced/ui/GestRidottiP.h"
#include "reduced/ui/GestioneRidotto.h"
#include "reduced/ui/Ridotti.h"
#include "reduced/ui/SviluppoOrtogonale.h"
#include "shell/ui/Background.h"
#include "shell/ui/Cadenze.h"
#include "shell/ui/CondizioniInGioco.h"
#include "shell/ui/Forum.h"
#include "shell/ui/MenuLayout.h"
#include "shell/ui/Pronostico.h"
#include "shell/ui/Sounds.h"
#include "shell/ui/Sviluppatore.h"
#include "shell/ui/ToolbarIcons.h"
#include "stats/ui/StatComputer.h"
#include "stats/ui/StatRitardatari.h"
#include "stats/ui/StatisticsWindows.h"
#include "system/ArchiveTables.h"
#include "system/FamiliesInPlay.h"
#include "system/SystemFile.h"
#include "system/SystemList.h"
#include "system/SystemStorage.h"
#include "system/ui/Importa.h"
#include "ui/Avviso.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <memory>
#include <new>

namespace varnelo {

namespace {

const QString kNotYet = "Non ancora disponibile in questa versione del programma";

} // namespace

Varnelo::Varnelo(ProgramState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), mdi_(new QMdiArea(this)),
      host_(mdi_, state.windowPositions), systemCommands_(*this), filterDraft_(state) {
    setObjectName("Varnelo");
    setWindowIcon(programIcon());
    mdi_->setObjectName("MDIForm");
    background_ = new MdiBackground(mdi_, QColor(0x5a, 0x6e, 0x82));
    background_->setPicture(backgroundPicture(state.folder));
    setCentralWidget(mdi_);

    finalCount_ = new QLabel(this);
    finalCount_->setObjectName("ColonneFinali");
    statusBar()->setObjectName("StatusBar1");
    statusBar()->addWidget(finalCount_);

    systemCommands_.chooseSaveFile = [this](const QString& title, const QString& dir,
                                            const QString& name) {
        return QFileDialog::getSaveFileName(this, title, dir + "/" + name, "File testo (*.txt)");
    };
    systemCommands_.chooseOpenFile = [this](const QString& title, const QString& dir) {
        return QFileDialog::getOpenFileName(this, title, dir, "File testo (*.txt)");
    };

    buildCommands();
    buildMenus();
    buildToolbar();
    buildPopups();
    // The first size fits the screen: a 1024x768 screen must show it whole.
    QSize size(1100, 760);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() - QSize(16, 48));
    resize(size);

    // Child windows open clear of the number grids.
    Pronostico* forecast = host_.instance<Pronostico>(static_cast<Shell&>(*this));
    host_.keepClear(forecast->gridFrame());
    refresh();
}

Varnelo::~Varnelo() = default;

bool Varnelo::openFamily(int family) {
    if (QAction* item = conditionItems_.value(family); item && item->isEnabled()) {
        item->trigger();
        return true;
    }
    // "Distanza tra Numeri" has an editor but no menu item of its own.
    if (family == familyOfSlot(145) && runCommand("Condizioni4"))
        return true;
    return false;
}

void Varnelo::showFamily(int family) {
    const auto& slotList = families()[static_cast<std::size_t>(family)].activationSlots;
    QMdiSubWindow* sub = mdi_->activeSubWindow();
    if (auto* editor = sub ? qobject_cast<ValueConditionEditor*>(sub->widget()) : nullptr;
        editor && !slotList.empty())
        editor->showSlot(slotList.front());
}

Pronostico* Varnelo::pronostico() const {
    return host_.existing<Pronostico>();
}

SviluppoS* Varnelo::developmentWindow() const {
    return host_.existing<SviluppoS>();
}

Pronostico* Varnelo::showForecast() {
    return openChild<Pronostico>();
}

void Varnelo::buildCommands() {
    commands_["Esci"] = [this] { close(); };
    commands_["Pronostico"] = [this] { showForecast(); };
    commands_["Sviluppatore"] = [this] { openChild<Sviluppatore>(); };
    commands_["CondizioniInGioco"] = [this] { openChild<CondizioniInGioco>(); };
    commands_["CondizioneDue"] = [this] { openChild<CondizioneDue>(); };
    commands_["Condizioni3"] = [this] { openChild<Condizioni3>(); };
    commands_["CondizioniTre"] = [this] { openChild<CondizioniTre>(); };
    commands_["Condizioni4"] = [this] { openChild<Condizioni4>(); };
    commands_["CondResti"] = [this] { openChild<CondResti>(); };
    commands_["CondBaricentro"] = [this] { openChild<CondBaricentro>(); };
    commands_["CondizSola"] = [this] { openChild<CondizSola>(); };
    commands_["CondizSequenze"] = [this] { openChild<CondizSequenze>(); };
    commands_["CondizTre"] = [this] { openChild<CondizTre>(); };
    commands_["ConBuconero"] = [this] { openChild<ConBuconero>(); };
    commands_["livellazione"] = [this] { openChild<livellazione>(); };
    commands_["SequeleDue"] = [this] { openChild<SequeleDue>(); };
    commands_["Sequele1"] = [this] { openChild<Sequele1>(); };
    commands_["CondRitardiVari"] = [this] { openChild<CondRitardiVari>(); };
    commands_["StatisticheS"] = [this] { openChild<StatisticheS>(); };
    commands_["StatAnalisi"] = [this] { openChild<StatAnalisi>(); };
    commands_["StatAnalisi2"] = [this] { openChild<StatAnalisi2>(); };
    commands_["StatAnalisi3"] = [this] { openChild<StatAnalisi3>(); };
    commands_["StatAnalisi4"] = [this] { openChild<StatAnalisi4>(); };
    commands_["NumeriSpia"] = [this] { openChild<NumeriSpia>(); };
    commands_["StatAmbi"] = [this] { openChild<StatAmbi>(); };
    commands_["StataaTerni"] = [this] { openChild<StataaTerni>(); };
    commands_["StatisticheSEuroNum"] = [this] { openChild<StatisticheSEuroNum>(); };
    commands_["StatAnalisi5"] = [this] { openChild<StatAnalisi5>(); };
    commands_["StatRitardatari"] = [this] { openChild<StatRitardatari>(); };
    // "Consecutività Pronostico" and "Ritardo Ambi" share the window.
    commands_["CondizAmbo"] = [this] { openChild<CondizAmbo>(); };
    commands_["CondizAmbata"] = [this] { openChild<CondizAmbata>(); };
    commands_["ColAndOr"] = [this] { openChild<ColAndOr>(); };
    // The imports fill the quadro open in the AND/OR window.
    commands_["ColAndOrUscite"] = [this] {
        if (auto* quadri = existingChild<ColAndOr>())
            openChild<ColAndOrUscite>(static_cast<QuadroImport&>(*quadri));
    };
    commands_["ColAndOrUsciteSist"] = [this] {
        if (auto* quadri = existingChild<ColAndOr>())
            openChild<ColAndOrUsciteSist>(static_cast<QuadroImport&>(*quadri));
    };
    commands_["CondizCifre"] = [this] { openChild<CondizCifre>(); };
    commands_["CondizCifree"] = [this] { openChild<CondizCifree>(); };
    commands_["CondizCifrePerCasella"] = [this] { openChild<CondizCifrePerCasella>(); };
    commands_["CondDecUnita"] = [this] { openChild<CondDecUnita>(); };
    commands_["ConDecPiuUniDiff"] = [this] { openChild<ConDecPiuUniDiff>(); };
    commands_["CondizUguVerticale"] = [this] { openChild<CondizUguVerticale>(); };
    commands_["Cadenze"] = [this] { openChild<Cadenze>(); };
    commands_["Links"] = [this] { openChild<ui::Links>(); };
    commands_["LinksPunti"] = [this] { openChild<ui::LinksPunti>(); };
    commands_["PicchettoSomma"] = [this] { openChild<PicchettoSomma>(); };
    commands_["PicchettoS"] = [this] { openChild<PicchettoS>(); };
    // "Nati Stanchi" stays closed when the system cannot give its figures.
    commands_["InsCondizione"] = [this] {
        auto* w = host_.instance<InsCondizione>(static_cast<Shell&>(*this));
        if (w->fill())
            host_.show(w);
    };
    commands_["video"] = [this] {
        auto* w = host_.instance<Video>(static_cast<Shell&>(*this));
        if (w->fill())
            host_.show(w);
    };
    // A new or opened system is made at the number-entry window.
    commands_["Nuovo"] = [this] {
        if (systemCommands_.newSystem())
            showForecast();
    };
    commands_["Salva"] = [this] { systemCommands_.save(); };
    commands_["GestioneSalva"] = [this] { systemCommands_.saveAs(); };
    commands_["GestioneSistemi"] = [this] {
        if (systemCommands_.open(false))
            showForecast();
    };
    commands_["GestioneSistemiPrecedente"] = [this] {
        if (systemCommands_.open(true))
            showForecast();
    };
    commands_["EsportaColonne"] = [this] { systemCommands_.exportColumns(); };
    commands_["ImportaDaTesto"] = [this] { systemCommands_.importColumns(); };
    commands_["Importa"] = [this] { openChild<Importa>(); };
    commands_["GestRidotti"] = [this] { openChild<GestRidotti>(); };
    commands_["SviluppaColonne"] = [this] { startDevelopment(false); };
    commands_["SoloCalcolo"] = [this] { startDevelopment(true); };
    commands_["SviluppoOrtogonale"] = [this] {
        if (state_.options.orthogonalOn())
            startDevelopment(false);
    };
    commands_["Ricerca"] = [this] {
        Ricerca dialog(state_, this);
        dialog.exec();
        refresh();
    };
    commands_["ColonneUscite"] = [this] {
        ColonneUscite dialog(state_, this);
        if (dialog.isOpen())
            dialog.exec();
        showNotices(refreshArchiveTables(state_), this);
        refresh();
    };
    commands_["Collegamento"] = [this] { openChild<Collegamento>(); };
    commands_["CollegamentoAgg"] = [this] { openChild<Collegamento>()->checkProgramOnly(); };
    commands_["CopiaArchivioBackup"] = [this] {
        openChild<CopiaArchivio>()->setMode(CopiaArchivio::Mode::Backup);
    };
    commands_["CopiaArchivioRipristino"] = [this] {
        openChild<CopiaArchivio>()->setMode(CopiaArchivio::Mode::Restore);
    };
    commands_["Ridotti"] = [this] { openChild<Ridotti>(); };
    // The tables open into the editor: only its "Apri" leads here.
    commands_["GestioneRidotto"] = [this] {
        if (auto* editor = existingChild<Ridotti>())
            openChild<GestioneRidotto>(static_cast<PersonalTableTarget&>(*editor));
    };
    commands_["GestRidottiP"] = [this] { openChild<GestRidottiP>(); };
    commands_["Tortaa"] = [this] { openChild<Tortaa>(); };
    commands_["Montepremi"] = [this] { openChild<Montepremi>(); };
    commands_["Quote"] = [this] { openChild<Quote>(); };
    commands_["ImpostaStampa"] = [this] { openChild<ImpostaStampa>(); };
    commands_["StampaTab"] = [this] { openChild<StampaTab>(); };
    commands_["PannelloCreazone"] = [this] { openChild<ImpostaStampante>(); };
    commands_["ImpostaStampante"] = [this] { openChild<ImpostaStampante>(); };
    commands_["InposCedolina"] = [this] { openChild<InposCedolina>(); };
    commands_["InposCe2"] = [this] { openChild<InposCedolina>(); };
    commands_["ImpostaStampaTabulato"] = [this] { openChild<ImpostaStampaTabulato>(); };
    commands_["Comfronto"] = [this] { openChild<Comfronto>(); };
    commands_["Comfronto2"] = [this] { openChild<Comfronto2>(); };
    commands_["spoglio"] = [this] { openChild<spoglio>(); };
    commands_["Confrontiamo"] = [this] { openChild<Confrontiamo>(); };
    commands_["DebuGG"] = [this] { openChild<DebuGG>(); };
    commands_["StatComputer"] = [this] { openChild<StatComputer>(); };
    commands_["InserisciSfondo"] = [this] { background_->choose(state_.folder); };
    commands_["TogliSfondo"] = [this] { background_->remove(state_.folder); };
    commands_["MusicaMidi"] = [this] { showForecast()->showMusic(); };
    commands_["Forum"] = [this] {
        Forum about(this);
        about.exec();
    };
    buildFilterCommands();
}

void Varnelo::buildFilterCommands() {
    commands_["ColonneFiltro"] = [this] { openChild<ColonneFiltro>(filterDraft_); };
    commands_["ColonneFiltroMatr"] = [this] { openFilterCompanion<ColonneFiltroMatr>(); };
    commands_["ColFilUscite"] = [this] { openFilterCompanion<ColFilUscite>(); };
    commands_["ColFilUsciteSistem"] = [this] { openFilterCompanion<ColFilUsciteSistem>(); };
    commands_["ColonneFiltroElimona"] = [this] { openFilterCompanion<ColonneFiltroElimona>(); };
    commands_["ColonneFiltroCambia"] = [this] { openFilterCompanion<ColonneFiltroCambia>(); };
    commands_["ColonneFiltroUguali"] = [this] { openFilterCompanion<ColonneFiltroUguali>(); };
    commands_["GestioneColFiltro"] = [this] { openFilterCompanion<GestioneColFiltro>(); };
    commands_["ColonneFiltroAnalisi"] = [this] { openFilterCompanion<ColonneFiltroAnalisi>(); };
    commands_["UnisciColonne"] = [this] { openChild<UnisciColonne>(); };
    commands_["ConfrontaColonne"] = [this] { openChild<ConfrontaColonne>(); };
    commands_["ColonneSulVideo"] = [this] { openChild<ColonneSulVideo>(); };
}

void Varnelo::buildMenus() {
    for (const MenuDef& def : mainMenus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(def.title));
        menu->setObjectName(def.objectName);
        menu->setToolTipsVisible(true);
        if (def.startsDisabled)
            menu->menuAction()->setProperty("needsColumns", true);
        for (const MenuItemDef& item : def.items) {
            if (!*item.text) {
                menu->addSeparator();
                continue;
            }
            QAction* a = menu->addAction(QString::fromUtf8(item.text));
            a->setObjectName(QString("%1(%2)").arg(def.objectName).arg(item.index));
            a->setProperty("command", QString::fromUtf8(item.command));
            a->setProperty("needsColumns", item.startsDisabled || def.startsDisabled);
            if (item.shortcut)
                a->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
            a->setVisible(!item.hidden);
            const QString command = QString::fromUtf8(item.command);
            // A window that serves several items shows the one chosen.
            const int family =
                QString(def.objectName) == "CondProgramma" ? familyOfMenuItem(item.index) : -1;
            connect(a, &QAction::triggered, this, [this, command, family] {
                if (runCommand(command) && family >= 0)
                    showFamily(family);
            });
            commandActions_ << a;
            if (const int family = familyOfMenuItem(item.index);
                QString(def.objectName) == "CondProgramma" && family >= 0) {
                a->setCheckable(true);
                conditionItems_[family] = a;
            }
        }
    }
}

void Varnelo::buildToolbar() {
    toolbar_ = addToolBar("Bar");
    toolbar_->setObjectName("Bar");
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(24, 24));
    for (const ToolDef& key : toolbarKeys()) {
        QAction* a = toolbar_->addAction(toolbarIcon(key.key), QString::fromUtf8(key.tip));
        a->setObjectName(key.key);
        a->setProperty("command", QString::fromUtf8(key.command));
        a->setProperty("tip", QString::fromUtf8(key.tip));
        const QString command = QString::fromUtf8(key.command);
        // A key is enabled as its menu item is.
        a->setProperty("needsColumns", needsColumns(command));
        connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
        commandActions_ << a;
        if (QString(key.key) == "Salva" || QString(key.key) == "SoloCalcolo" ||
            QString(key.key) == "Spoglio" || QString(key.key) == "Quote" ||
            QString(key.key) == "Collegamen" || QString(key.key) == "StampaTabulato" ||
            QString(key.key) == "CedolinaConDis")
            toolbar_->addSeparator();
    }
}

void Varnelo::buildPopups() {
    for (const PopupDef& def : popupMenus()) {
        auto* menu = new QMenu(QString::fromUtf8(def.title), this);
        menu->setObjectName(def.objectName);
        const std::vector<int> slotList = def.itemSlots;
        QList<QAction*> switches;
        for (std::size_t i = 0; i < def.items.size(); ++i) {
            QAction* a = menu->addAction(QString::fromUtf8(def.items[i]));
            if (slotList.empty()) {
                a->setEnabled(false);
                a->setToolTip(kNotYet);
            } else if (i < slotList.size()) {
                const int slot = slotList[i];
                a->setCheckable(true);
                a->setEnabled(slot > 0);
                a->setData(slot);
                switches << a;
                connect(a, &QAction::triggered, this,
                        [this, slot](bool on) { switchSlots({slot}, on); });
            } else {
                // "Tutto attivato" first, "Tutto disattivato" second.
                const bool on = i == slotList.size();
                connect(a, &QAction::triggered, this,
                        [this, slotList, on] { switchSlots(slotList, on); });
            }
        }
        connect(menu, &QMenu::aboutToShow, this, [this, switches] {
            for (QAction* a : switches)
                a->setChecked(state_.conditions.isActive(a->data().toInt()));
        });
    }
}

void Varnelo::switchSlots(const std::vector<int>& slotList, bool on) {
    for (int slot : slotList) {
        if (slot <= 0 || state_.conditions.isActive(slot) == on)
            continue;
        state_.conditions.setActive(slot, on);
        state_.modifiedFamilies.markSlot(slot);
        state_.modified = true;
    }
    refresh();
}

bool Varnelo::needsColumns(const QString& command) const {
    for (QAction* a : commandActions_)
        if (a->property("command").toString() == command && a->property("needsColumns").toBool())
            return true;
    return false;
}

bool Varnelo::runCommand(const QString& command) {
    if (busy_ || !commands_.contains(command))
        return false;
    if (needsColumns(command) && !state_.columns.hasColumns)
        return false;
    try {
        commands_[command]();
    } catch (const std::bad_alloc&) {
        Avviso::ask(outOfMemoryNotice(), this);
    }
    return true;
}

void Varnelo::refresh() {
    setWindowTitle(QString::fromStdString(state_.caption()));
    finalCount_->setText(QString::fromStdString(state_.finalCountText()));
    const bool hasColumns = state_.columns.hasColumns;
    for (QAction* a : commandActions_) {
        const QString command = a->property("command").toString();
        const bool available = commands_.contains(command);
        bool enabled = available && !busy_;
        // A toolbar key waits for columns as its menu item does.
        if (needsColumns(command))
            enabled = enabled && hasColumns;
        a->setEnabled(enabled);
        const QString tip = a->property("tip").toString();
        a->setToolTip(available ? (tip.isEmpty() ? a->text() : tip) : kNotYet);
    }
    for (QMenu* menu : menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        if (menu->menuAction()->property("needsColumns").toBool())
            menu->setEnabled(hasColumns && !busy_);
        else
            menu->setEnabled(!busy_);
    for (auto it = conditionItems_.begin(); it != conditionItems_.end(); ++it)
        it.value()->setChecked(familyChecked(state_, it.key()));
    Q_EMIT events_.systemChanged();
}

void Varnelo::setBusy(bool busy) {
    busy_ = busy;
    toolbar_->setEnabled(!busy);
    refresh();
    Q_EMIT events_.busyChanged(busy);
}

template <typename W>
void Varnelo::runDevelopment(const QString& caption, std::function<RunResult(RunProgress&)> work) {
    state_.modifiedFamilies.clear();
    state_.forecastLock = "Blocca";
    W* w = host_.instance<W>(static_cast<Shell&>(*this));
    connect(w, &SviluppoS::finished, this, &Varnelo::developmentEnded, Qt::UniqueConnection);
    host_.show(w);
    w->start(caption, std::move(work));
}

void Varnelo::developReduced(std::vector<Column> columns, const QString& title) {
    std::shared_ptr<RunContext> context = makeRunContext(state_);
    runDevelopment<SvilupPerRid>(
        "Sviluppo per ridotti:", [this, context, title, rows = std::move(columns)](RunProgress& p) {
            RunOptions options;
            options.context = context->metrics;
            RunResult r = developColumns(state_, rows, options, p);
            r.description = title.toStdString();
            // Conditions that dropped rows may have taken the table's
            // guarantee with them: say what is left of it.
            if (!r.failure && !r.cancelled && r.inMemory == r.total &&
                r.total < static_cast<std::int32_t>(rows.size())) {
                std::vector<Column> kept;
                for (std::int32_t i = 1; i <= r.inMemory; ++i)
                    kept.push_back(state_.columns.column(i));
                r.notes = keptGuaranteeLines(keptGuarantee(kept, state_.selection.chosenNumbers()));
            }
            return r;
        });
}

void Varnelo::startDevelopment(bool calculateOnly) {
    if (state_.forecastLock != "Blocca") {
        if (const auto notice = state_.selection.readyToDevelop()) {
            Avviso::ask(*notice, this);
            // The numbers are chosen there.
            showForecast();
            return;
        }
    }
    if (!calculateOnly && state_.options.orthogonalOn()) {
        openChild<SviluppoOrtogonale>()->start(state_.options.guaranteeKind);
        return;
    }
    // The distribution tables are tallied when a window asks for them, not
    // during the run, so a plain development stays as fast as the engine.
    std::shared_ptr<RunContext> context = makeRunContext(state_);
    runDevelopment<SviluppoS>("Sviluppo colonne:", [this, context, calculateOnly](RunProgress& p) {
        RunOptions options;
        options.context = context->metrics;
        options.calculateOnly = calculateOnly;
        return developSystem(state_, options, p);
    });
}

void Varnelo::reworkSystem(GestioneSistemi::Rework rework) {
    using Rework = GestioneSistemi::Rework;
    if (rework == Rework::WithoutConditions) {
        clearConditions(state_);
    } else if (rework == Rework::OtherConditions) {
        QStringList names;
        for (const SystemEntry& e : listSystems(state_.folder))
            if (!e.damaged)
                names << QString::fromStdString(e.name);
        bool ok = false;
        const QString other = QInputDialog::getItem(
            this, "Rielabora Sistema:", "Condizioni del sistema:", names, 0, false, &ok);
        if (!ok)
            return;
        std::string text, error;
        SystemSettings s;
        if (!readSystemSettingsFile(state_.folder.path("qor/" + other.toStdString() + ".sse"), text,
                                    error) ||
            parseSystemSettings(text, s) == SettingsFileState::Damaged) {
            Avviso::ask(damagedSystemNotice(other.toStdString()), this);
            return;
        }
        takeConditions(state_, s);
    }
    std::shared_ptr<RunContext> context = makeRunContext(state_);
    runDevelopment<SviluppoS>("Rielabora sistema:", [this, context](RunProgress& p) {
        RunOptions options;
        options.context = context->metrics;
        return recalculateSystem(state_, options, p);
    });
}

void Varnelo::developmentEnded() {
    const RunResult& r = qobject_cast<SviluppoS*>(sender())->result();
    if (r.failure)
        Avviso::ask(*r.failure, this);
    if (!r.cancelled && !r.failure) {
        if (state_.settings.endWarning)
            playWarning(state_.settings.warningSound);
        state_.options.description = r.description;
    }
    state_.modified = true;
    refresh();
    // An open conditions window would show the old system's counts.
    const bool showConditions = (state_.settings.displayOptions & 1) != 0;
    if (!r.cancelled && !r.failure && (showConditions || existingChild<Video>()))
        commands_["video"]();
}

void Varnelo::closeEvent(QCloseEvent* event) {
    if (busy_ || !systemCommands_.askToSave()) {
        event->ignore();
        return;
    }
    host_.rememberPlaces();
    SettingsFiles files{state_.windowPositions, state_.printSettings, state_.settings};
    showNotices(saveSettingsFiles(state_.folder, files), this);
    event->accept();
}

} // namespace varnelo
