#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace varnelo {

// How long a download may stay silent and how much it may bring.
struct DownloadLimits {
    int silenceMs = 30000;
    qint64 maxBytes = 32 << 20;
};

// One GET over http or https, redirects followed, stopped by a silence
// longer than the limit, a body over the size limit, or cancel().
class Download : public QObject {
    Q_OBJECT
  public:
    explicit Download(QObject* parent = nullptr);
    ~Download() override;

    // False (and finished() not emitted) for an address that is neither
    // http nor https; the reason is in error().
    bool start(const QUrl& url, const DownloadLimits& limits);
    void cancel();
    bool running() const { return reply_ != nullptr; }

    const QByteArray& body() const { return body_; }
    // Italian, empty after a good download.
    const QString& error() const { return error_; }

  Q_SIGNALS:
    void progress(qint64 received, qint64 total);
    void finished(bool ok);

  private:
    void stop(const QString& reason);
    void done();

    QNetworkAccessManager* manager_;
    QNetworkReply* reply_ = nullptr;
    QTimer silence_;
    DownloadLimits limits_;
    QByteArray body_;
    QString error_;
    QString stopReason_;
};

// Downloads and waits (a local event loop) for the end.
bool fetchUrl(const QUrl& url, const DownloadLimits& limits, QByteArray& body, QString& error);

} // namespace varnelo
