#pragma once
#include <QString>
#include <functional>

namespace vintora::db {
class Connection;
}

namespace vintora::catalogue {

struct DemoOptions {
    int performers = 1000;
    quint32 seed = 1;
    // Called now and then with the performers written so far.
    std::function<void(int done, int total)> progress;
};

struct DemoCounts {
    int performers = 0, albums = 0, tracks = 0, firms = 0, genres = 0, files = 0;
};

// Fills a catalogue with a made-up but realistic collection: performers (persons and groups,
// Russian and Latin names) with aliases, links, genres and web links; albums of every kind with
// editions, issues, labels, credits, media, tracks with lyrics; firms with parents; genres in
// groups; MP3 places, folders and files. The same seed gives the same catalogue. Every
// performer, album, firm and genre is marked for publication at the time of generation. Keys
// continue after those already present, so it may be run on a catalogue that holds data.
DemoCounts generateDemo(db::Connection& connection, const DemoOptions& options);

} // namespace vintora::catalogue
