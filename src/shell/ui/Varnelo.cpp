#include "shell/ui/Varnelo.h"

#include "conditions/ConditionSet.h"
#include "shell/ui/Avviso.h"
#include "shell/ui/CondizioniInGioco.h"
#include "shell/ui/Forum.h"
#include "shell/ui/MenuLayout.h"
#include "shell/ui/Pronostico.h"
#include "shell/ui/Sviluppatore.h"
#include "shell/ui/ToolbarIcons.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace varnelo {

namespace {

const QString kNotYet = "Non ancora disponibile in questa versione del programma";

// Items of the "&Condizioni" menu and the family whose check mark they carry.
const QHash<int, QString>& conditionFamilies() {
    static const QHash<int, QString> map = {
        {1, "Baricentro"},
        {2, "Casella"},
        {3, "Colonne filtro And"},
        {4, "Confronta Col.Vin."},
        {5, "Consecutivi Tot+Max"},
        {6, "Consecutivi"},
        {7, "Cosecut.Pronostico"},
        {8, "Ritardo Ambi"},
        {10, "Dispari"},
        {11, "Distanza"},
        {12, "Distanze pari disp."},
        {13, "Gemelli"},
        {14, "Gruppi pari dispari"},
        {15, "Interruzioni"},
        {16, "Numero di Cifre"},
        {17, "Pari"},
        {18, "Pari dispari"},
        {19, "Ritardo Somma Ambata"},
        {20, "Ponte"},
        {21, "Presenza Cifra"},
        {22, "Posiz. Decina Unità"},
        {23, "Resto"},
        {24, "Quadri And Or"},
        {25, "Simmetrie"},
        {26, "Sequenze"},
        {27, "Sequele pari disp."},
        {28, "Somma"},
        {30, "Somma Decine Un."},
        {31, "Somma Uni.Dec. Diff."},
        {32, "Vortice Diretto"},
        {33, "Vortice Inverso"},
        {34, "Somme + Picchetto"},
        {35, "Ritardi Vari"},
        {36, "Debug"},
        {37, "Faccio Tutto io"},
        {38, "Nati Stanchi"},
        {39, "Rendimento Condiz."},
        {41, "Link"},
        {42, "Punti tra Condiz."},
        {44, "Livelli"},
    };
    return map;
}

int familyIndex(const QString& name) {
    for (int f = 0; f < kFamilyCount; ++f)
        if (QString::fromUtf8(
                families()[static_cast<std::size_t>(f)].name.data(),
                static_cast<int>(families()[static_cast<std::size_t>(f)].name.size())) == name)
            return f;
    return -1;
}

} // namespace

Varnelo::Varnelo(ProgramState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName("Varnelo");
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName("MDIForm");
    mdi_->setBackground(QColor(0x5a, 0x6e, 0x82));
    setCentralWidget(mdi_);

    finalCount_ = new QLabel(this);
    finalCount_->setObjectName("ColonneFinali");
    statusBar()->setObjectName("StatusBar1");
    statusBar()->addWidget(finalCount_);

    buildCommands();
    buildMenus();
    buildToolbar();
    buildPopups();
    resize(1100, 760);

    pronostico_ = new Pronostico(*this);
    refresh();
}

void Varnelo::buildCommands() {
    commands_["Esci"] = [this] { close(); };
    commands_["Pronostico"] = [this] { showChild(pronostico_); };
    commands_["Sviluppatore"] = [this] {
        if (!children_.value("Sviluppatore"))
            children_["Sviluppatore"] = new Sviluppatore(*this);
        showChild(children_["Sviluppatore"]);
    };
    commands_["CondizioniInGioco"] = [this] {
        if (!children_.value("CondizioniInGioco"))
            children_["CondizioniInGioco"] = new CondizioniInGioco(*this);
        showChild(children_["CondizioniInGioco"]);
    };
    commands_["Forum"] = [this] {
        Forum about(this);
        about.exec();
    };
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
            connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
            commandActions_ << a;
            if (QString(def.objectName) == "CondProgramma" &&
                conditionFamilies().contains(item.index)) {
                a->setCheckable(true);
                conditionItems_[item.index] = a;
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
        for (const char* item : def.items)
            menu->addAction(QString::fromUtf8(item))->setCheckable(true);
    }
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
    commands_[command]();
    return true;
}

QMdiSubWindow* Varnelo::showChild(QWidget* window) {
    if (!window)
        return nullptr;
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->widget() == window) {
            sub->show();
            window->show();
            mdi_->setActiveSubWindow(sub);
            return sub;
        }
    QMdiSubWindow* sub = mdi_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWindowIcon(windowIcon());
    sub->adjustSize();
    window->show();
    sub->show();
    mdi_->setActiveSubWindow(sub);
    return sub;
}

void Varnelo::refresh() {
    setWindowTitle(QString::fromStdString(state_.caption()));
    finalCount_->setText(QString::fromStdString(state_.finalCountText()));
    const bool hasColumns = state_.columns.hasColumns;
    for (QAction* a : commandActions_) {
        const QString command = a->property("command").toString();
        const bool available = commands_.contains(command);
        bool enabled = available && !busy_;
        if (a->property("needsColumns").toBool())
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
    for (auto it = conditionItems_.begin(); it != conditionItems_.end(); ++it) {
        const int f = familyIndex(conditionFamilies().value(it.key()));
        it.value()->setChecked(f >= 0 && familyInPlay(state_.conditions, f));
    }
    if (pronostico_)
        pronostico_->refresh();
    emit systemChanged();
}

void Varnelo::setBusy(bool busy) {
    busy_ = busy;
    toolbar_->setEnabled(!busy);
    refresh();
}

void Varnelo::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace varnelo
