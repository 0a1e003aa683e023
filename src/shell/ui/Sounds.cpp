#include "shell/ui/Sounds.h"

#include "core/WarningTones.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>

namespace varnelo {

void playWarning(int index) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(kToneSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;
    const std::vector<std::int16_t> samples = warningTone(index);
    auto* buffer = new QBuffer(qApp);
    buffer->setData(reinterpret_cast<const char*>(samples.data()),
                    static_cast<qsizetype>(samples.size() * sizeof(std::int16_t)));
    buffer->open(QIODevice::ReadOnly);
    auto* sink = new QAudioSink(device, format, qApp);
    // The sink and its buffer clean up after themselves once the tone is over.
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink, buffer](QAudio::State s) {
        if (s == QAudio::IdleState || s == QAudio::StoppedState) {
            sink->deleteLater();
            buffer->deleteLater();
        }
    });
    sink->start(buffer);
}

} // namespace varnelo
