#pragma once
// How the import engine asks the user which catalogue row a tag means. The window answers with
// its choice frames, the batch import without a display; either may answer at once or later.
#include <QString>
#include <functional>

namespace vintora::import {

struct ImportQuestion {
    enum Kind { Performer, Album, Genre, Track, SecondPerformer };
    Kind kind = Performer;
    // The text the tag gives: the performer or genre name, the album or track title.
    QString text;
    int performerId = 0; // Album: the performer the album belongs to
    QString year;        // Album
    int albumId = 0;     // Track
    int number = -1;     // Track
    QString fileBaseName; // Track: the file name without folder and extension
    int preselectedTrackId = 0; // Track: the album's track with that title, 0 when none
    // The synonym key the choice is remembered under; when answererStoresSynonym is set, the
    // answering side stores it (the search frames do so themselves), otherwise the engine does.
    QString synonymKey;
    bool answererStoresSynonym = false;
};

class IImportChooser {
public:
    virtual ~IImportChooser() = default;
    // Exactly one of chosen (with the chosen row's ID, > 0) or cancelled must be called once.
    virtual void choose(const ImportQuestion& question, std::function<void(int id)> chosen,
                        std::function<void()> cancelled) = 0;
    // Whether a track question should carry the album's track with that title; finding it
    // reads all the album's tracks, which a side that shows no choice can spare.
    virtual bool wantsTrackPreselection() const { return true; }
};

} // namespace vintora::import
