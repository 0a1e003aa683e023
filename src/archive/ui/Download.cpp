#include "archive/ui/Download.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace varnelo {

Download::Download(QObject* parent) : QObject(parent), manager_(new QNetworkAccessManager(this)) {
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this, [this] {
        stop(QString("Nessuna risposta dal server per %1 secondi.")
                 .arg(limits_.silenceMs / 1000.0, 0, 'g', 3));
    });
}

Download::~Download() {
    if (reply_)
        reply_->abort();
}

bool Download::start(const QUrl& url, const DownloadLimits& limits) {
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != "http" && scheme != "https") || url.host().isEmpty()) {
        error_ = "Indirizzo non valido: \"" + url.toString() + "\" (serve http:// o https://).";
        return false;
    }
    limits_ = limits;
    body_.clear();
    error_.clear();
    stopReason_.clear();
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::readyRead, this, [this] {
        silence_.start(limits_.silenceMs);
        body_ += reply_->readAll();
        if (body_.size() > limits_.maxBytes)
            stop(QString("Risposta troppo grande (oltre %1 byte).").arg(limits_.maxBytes));
    });
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        silence_.start(limits_.silenceMs);
        if (total > limits_.maxBytes)
            stop(QString("Risposta troppo grande (%1 byte, al massimo %2).")
                     .arg(total)
                     .arg(limits_.maxBytes));
        else
            Q_EMIT progress(received, total);
    });
    connect(reply_, &QNetworkReply::finished, this, &Download::done);
    silence_.start(limits_.silenceMs);
    return true;
}

void Download::cancel() {
    stop("Scaricamento annullato.");
}

void Download::stop(const QString& reason) {
    if (!reply_ || !stopReason_.isEmpty())
        return;
    stopReason_ = reason;
    reply_->abort();
}

void Download::done() {
    silence_.stop();
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    if (reply->isOpen())
        body_ += reply->readAll();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (!stopReason_.isEmpty())
        error_ = stopReason_;
    else if (status >= 400)
        error_ = QString("Il server ha risposto con l'errore HTTP %1.").arg(status);
    else if (reply->error() != QNetworkReply::NoError)
        error_ = "Errore di rete: " + reply->errorString();
    else if (length.isValid() && length.toLongLong() != body_.size())
        error_ = QString("Risposta incompleta: %1 byte su %2.")
                     .arg(body_.size())
                     .arg(length.toLongLong());
    if (!error_.isEmpty())
        body_.clear();
    Q_EMIT finished(error_.isEmpty());
}

bool fetchUrl(const QUrl& url, const DownloadLimits& limits, QByteArray& body, QString& error) {
    Download download;
    if (!download.start(url, limits)) {
        error = download.error();
        return false;
    }
    QEventLoop loop;
    QObject::connect(&download, &Download::finished, &loop, &QEventLoop::quit);
    loop.exec();
    body = download.body();
    error = download.error();
    return error.isEmpty();
}

} // namespace varnelo
