#pragma once

#include "core/ProgramState.h"

#include <QMainWindow>

class QMdiArea;
class QLabel;

namespace varnelo {

// The main window: a multiple-document frame with the caption and status of
// the current system.
class Varnelo : public QMainWindow {
    Q_OBJECT
public:
    explicit Varnelo(ProgramState& state, QWidget* parent = nullptr);

    void refreshCaption();

private:
    ProgramState& state_;
    QMdiArea* mdi_ = nullptr;
    QLabel* finalCount_ = nullptr;
};

} // namespace varnelo
