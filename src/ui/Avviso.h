#pragma once

#include "core/Notice.h"

#include <QDialog>

#include <vector>

namespace varnelo {

// The shared notice window: a title, a few lines and buttons chosen by the kind.
class Avviso : public QDialog {
    Q_OBJECT
  public:
    enum Reply { Ok, Yes, No, Cancel };

    explicit Avviso(const Notice& notice, QWidget* parent = nullptr);

    Reply reply() const { return reply_; }

    // Shows the notice modally and returns the user's reply.
    static Reply ask(const Notice& notice, QWidget* parent);

  private:
    Reply reply_ = Cancel;
};

// Shows the notices one after the other.
void showNotices(const std::vector<Notice>& notices, QWidget* parent);

} // namespace varnelo
