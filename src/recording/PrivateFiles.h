// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Files and folders that only the user may read: everything Horavane writes names the sites and
// programs used, so none of it follows the umask.
namespace PrivateFiles {

// Creates the folder and its missing parents, each readable by the user alone (0700); folders that
// already exist keep their mode. True when the folder exists afterwards.
bool makeFolder(const QString& path);
// Creates an empty file readable by the user alone (0600); false when it exists or cannot be made.
bool createFile(const QString& path);
// Makes an existing file readable by the user alone (0600); true on success.
bool restrictFile(const QString& path);

} // namespace PrivateFiles
