#pragma once
#include <QByteArray>
#include <QString>

// File names as the file system has them: bytes, not necessarily UTF-8.
// Qt's own conversion turns bytes that are not UTF-8 into U+FFFD, so such a
// name could never be opened again; these keep every byte.
namespace platform {

// Valid UTF-8 decoded as usual; each byte of an invalid sequence becomes a
// lone surrogate U+DC80 + byte.
QString fileNameFromBytes(const QByteArray& bytes);

// The exact inverse: the bytes to give open(2) and the other POSIX calls.
QByteArray fileNameBytes(const QString& name);

// The local file a file: URI names (no host or "localhost"), percent-decoded
// as bytes; empty for any other URI.
QString fileNameFromUri(const QByteArray& uri);
QString fileNameFromUri(const QString& uri);

// A file: URI for an absolute name, every byte outside the unreserved
// characters percent-encoded.
QString uriFromFileName(const QString& name);

} // namespace platform
