// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PngChunks.h"

#include <QtEndian>

namespace {

const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
constexpr qsizetype chunkFrame = 12; // length, type and checksum

// From one signature on, up to the end chunk or the end of the bytes, whichever comes first.
bool chunksFit(const QByteArray& bytes, qsizetype at)
{
    at += signature.size();
    while (at + 8 <= bytes.size()) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
        if (qint64(length) > qint64(bytes.size()) - at - chunkFrame)
            return false; // also a frame cut short at the end of the bytes
        const bool end = bytes.mid(at + 4, 4) == "IEND";
        at += chunkFrame + qsizetype(length);
        if (end)
            break;
    }
    return true;
}

} // namespace

bool PngChunks::fitInData(const QByteArray& bytes)
{
    for (qsizetype at = bytes.indexOf(signature); at >= 0; at = bytes.indexOf(signature, at + 1)) {
        if (!chunksFit(bytes, at))
            return false;
    }
    return true;
}
