#include "shell/ui/Varnelo.h"

#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>

namespace varnelo {

Varnelo::Varnelo(ProgramState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName("Varnelo");
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName("MDIForm");
    mdi_->setBackground(QColor(0x80, 0x80, 0x80));
    setCentralWidget(mdi_);
    finalCount_ = new QLabel(this);
    finalCount_->setObjectName("ColonneFinali");
    statusBar()->addWidget(finalCount_);
    resize(1024, 720);
    refreshCaption();
}

void Varnelo::refreshCaption() {
    setWindowTitle(QString::fromStdString(state_.caption()));
    finalCount_->setText(QString::fromStdString(state_.finalCountText()));
}

} // namespace varnelo
