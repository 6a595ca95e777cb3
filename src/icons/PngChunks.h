// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// libpng sets aside the room a chunk announces before it reads the chunk, so a PNG of a few hundred bytes that
// announces a text chunk of 2 GB makes it ask for 2 GB. A chunk cannot be longer than the data holding it.
namespace PngChunks {
// Whether each PNG in the bytes (the whole of them, or one inside an icon file) announces only chunks that end
// within the bytes.
bool fitInData(const QByteArray& bytes);
} // namespace PngChunks
