#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

// Where the bytes of a receipt printer go. The port text names the target:
//   "COM1".."COM99"    serial port, the device /dev/ttyS0../dev/ttyS98
//   "/dev/..." or "/…"  a device path: a serial line (tty) or a raw device such as /dev/usb/lp0
//   "tcp://host:port"  a network printer (port 9100 when left out)
//   "RAW:queue"        a CUPS queue that takes the bytes unfiltered
//   "file:/path"       a file that each print appends to
// Every failure raises Falha with a Portuguese text naming the target.
class DestinoBytes
{
public:
    virtual ~DestinoBytes() = default;
    // Opens the target (it stays open between prints).
    virtual void abre() = 0;
    virtual void envia(const QByteArray& bytes) = 0;
    virtual void fecha() = 0;
};

std::unique_ptr<DestinoBytes> criaDestinoBytes(const QString& porta);

// Whether a port text names a byte target by itself (tcp://, a device path, file:, RAW:),
// so that no installed printer is looked up for it.
bool portaDireta(const QString& porta);

// The device path of a serial port name "COMn" (n from 1), or an empty text for another name.
QString caminhoPortaSerial(const QString& porta);
