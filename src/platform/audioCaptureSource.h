#ifndef AUDIOCAPTURESOURCE_H
#define AUDIOCAPTURESOURCE_H

#include <QAudioFormat>
#include <QObject>
#include <QString>

#ifndef _WIN32
using BYTE = unsigned char;
#endif

// What the music effect needs of a sound source: start and stop it, and
// receive its packets of interleaved 16-bit PCM in captureFormat().
//
// sigSendCaptureAudioData is emitted on the source's own thread with a buffer
// allocated by new[]; the receiver owns it and frees it with delete[], also
// when it ignores the packet. No packet is emitted once stop() has returned.
class audioCaptureSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // 0 when packets will flow, -1 when the source could not start (nothing
    // is held then).
    virtual int start() = 0;
    // Ends the source's thread and releases everything; returns 0.
    virtual int stop() = 0;
    // False once stopped, and also once the source ended by itself (its
    // server went away), so that a watcher knows to start it again.
    virtual bool isRunning() const = 0;
    // The format of the packets of the running source.
    virtual QAudioFormat captureFormat() const = 0;
    // The output the running source listens to, and the output that is the
    // system's default now (empty when unknown). They differ after the user
    // switched outputs.
    virtual QString boundOutputName() const = 0;
    virtual QString defaultOutputName() const = 0;

signals:
    void sigSendCaptureAudioData(BYTE *pData, int dataSize);
};

// Registers BYTE* for queued connections; safe to call more than once.
void registerAudioCaptureMetaTypes();

#endif // AUDIOCAPTURESOURCE_H
