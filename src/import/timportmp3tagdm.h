#pragma once
// The tag import engine: ties one MP3 file at a time to a performer, album, genre and track of
// the catalogue (exact match, then a remembered synonym, then a question), registers it under
// its place, directory and name, records the stream data and fills gaps of the track row.
#include "catalogue/importstate.h"
#include "import/icheckfolderview.h"
#include "import/iimportchooser.h"
#include "text/tsynonymdm.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace vintora::audio {
class TMPEGaudio;
}
namespace vintora::catalogue {
class TdmComming;
}
namespace vintora::db {
class Connection;
}

namespace vintora::import {

// What WriteStreamInfo records, taken from the reader when the values are collected so that the
// reader can go on to the next file while a question waits.
struct StreamInfo {
    qint64 size = 0;
    QDateTime age;
    int duration = 0;
    QString encoder;
    bool vbr = false;
    int bitRate = 0;
    int channelMode = 4;
    bool isLyrics = false;
    QString version;
    bool versionKnown = false;

    static StreamInfo from(const QString& path, const audio::TMPEGaudio& reader);
};

class TImportMp3TagDM {
public:
    TImportMp3TagDM(catalogue::TdmComming& dm, IImportChooser& chooser);

    catalogue::ImportState& state() const { return m_state; }

    // False when the file is registered with its current size and modification time.
    bool NeedsImport(const QString& path);

    // Collects the values of the file the reader has just read into the import state.
    void CollectValues(const QString& path, const audio::TMPEGaudio& reader);

    // The whole procedure for one file the reader has just read: collect, resolve (asking when
    // needed), then all writes in one transaction (the caller's, when one is open, so that a
    // batch keeps the rows it made for the file with the file). finished(fileId) is called
    // once the file is done (fileId -1 when it could not be registered); cancelled() when a
    // question was cancelled, with nothing of the file written. Database errors are raised to
    // whoever called the step that met them.
    void ImportFile(const QString& path, const audio::TMPEGaudio& reader, std::function<void(int fileId)> finished,
                    std::function<void()> cancelled);

    // Resolution steps; each calls next once its ID is set, or cancelled.
    using Next = std::function<void()>;
    void ResolvePerformer(Next next, Next cancelled);
    void ResolveAlbum(Next next, Next cancelled);
    void ResolveGenre(Next next, Next cancelled);
    void ResolveTrack(Next next, Next cancelled);
    void ResolveSecondPerformer(Next next, Next cancelled);

    void LinkPerformerGenre();
    void FillTrackGaps();
    void SetTrackPerformer();

    int FindPlace(const QString& path);
    int FindDirectory(const QString& path, int place, int album);
    int RegisterFile(const QString& path);
    void WriteStreamInfo(const QString& path, const StreamInfo& info);

    // Deletes the rows of registered files below folder that are gone from the disk.
    void CheckFolderFiles(const QString& folder, ICheckFolderView& view);

private:
    db::Connection& connection() const;
    // The lookup of a performer by the whole tag text, then its synonym; 0 when neither.
    int lookupPerformer(const QString& name);
    // RegisterFile; with info, a new row is inserted with the stream columns and a row found
    // again has them rewritten.
    int registerFile(const QString& path, const StreamInfo* info);
    void ask(ImportQuestion question, std::function<void(int)> answered, Next cancelled);

    catalogue::TdmComming& m_dm;
    catalogue::ImportState& m_state;
    IImportChooser& m_chooser;
    text::TSynonymDM m_synonyms;
    StreamInfo m_stream;
    QString m_fileBaseName; // of the file being imported, for the track question
    QString m_placeLetter; // the mount point of the last place looked up; empty for none
    int m_placeId = 0;
    int m_lastFileId = -1; // the row WriteStreamInfo wrote, -1 when none
};

} // namespace vintora::import
