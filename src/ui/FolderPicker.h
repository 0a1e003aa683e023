#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

namespace varnelo {

// A folder outside the program (typed, or chosen with "Sfoglia...") and
// the files of it that match the filters.
class FolderPicker : public QWidget {
    Q_OBJECT
  public:
    FolderPicker(const QStringList& filters, QWidget* parent = nullptr);

    QString folder() const;
    void setFolder(const QString& folder);
    // Reads the folder's files again, after a copy.
    void refresh();
    QListWidget* files() const { return files_; }

  Q_SIGNALS:
    void folderChanged();

  private:
    QStringList filters_;
    QLineEdit* folder_ = nullptr;
    QListWidget* files_ = nullptr;
};

} // namespace varnelo
