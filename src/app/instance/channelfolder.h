#pragma once

#include <QString>

namespace tallywick {

// A folder for the instance channel's socket that only this user can reach, so that nobody else
// can take the channel's name first.
struct ChannelFolder {
    QString path;    // empty when there is none
    QString problem; // why there is none, for the user
};

// The user's runtime folder (runtimeFolder, $XDG_RUNTIME_DIR) when it is private: a folder of
// this user's, not a link, with mode 0700. Else fallback, made so when it does not exist and
// refused when it is not so (someone else may hold it).
ChannelFolder FindChannelFolder(const QString& runtimeFolder, const QString& fallback);

// FindChannelFolder with this process's $XDG_RUNTIME_DIR and "tallywick-UID" in the temp folder.
ChannelFolder UserChannelFolder();

// Why path is not a private folder of this user's; empty when it is.
QString PrivateFolderTrouble(const QString& path);

} // namespace tallywick
