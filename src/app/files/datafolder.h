#pragma once

#include <QString>

namespace tallywick {

// The data files, by the names they have always had.
inline constexpr const char* kHistoryFileName = "history.dat";
inline constexpr const char* kTrackingFileName = "tracking.dat";
inline constexpr const char* kTempFileName = "TempFile.txt";
inline constexpr const char* kResultExportNames[] = {"tallywick1.txt", "tallywick2.txt"};
inline constexpr const char* kHistoryExportName = "history.txt";
inline constexpr const char* kDailyExportName = "daily.txt";
inline constexpr const char* kNoCountExportName = "nocount.txt";
inline constexpr const char* kCompareExportName = "compare.txt";
inline constexpr const char* kSourcesExportName = "sources.txt";

// The per-user folder that holds the history, the tracked items, the paste box's file and the
// text exports.
class DataFolder {
public:
    // $TALLYWICK_DATA_DIR, or Tallywick in the user's data folder (~/.local/share/Tallywick).
    static QString defaultPath();
    // The folder a --data-dir option names, or the default one when it names none.
    static DataFolder fromOption(const QString& option);

    explicit DataFolder(QString path = defaultPath());

    const QString& path() const { return path_; }

    // Creates the folder when it does not exist yet; false (with the reason) when it cannot.
    bool ensureExists(QString* error = nullptr) const;

    // A file name joined to the folder.
    QString file(const QString& name) const;
    QString file(const char* name) const { return file(QString::fromUtf8(name)); }

    QString historyPath() const { return file(kHistoryFileName); }
    QString trackingPath() const { return file(kTrackingFileName); }
    QString tempFilePath() const { return file(kTempFileName); }

private:
    QString path_;
};

} // namespace tallywick
