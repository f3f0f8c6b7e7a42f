#pragma once

namespace vintora::export_ {

class TExportEncyclopaediaDM;

// The album page: title, performer, release lines, cover and notes, tracks, credits, lyrics
// and videos. The pages of the album's performers are written first, so their discographies
// show it.
class AlbumPageWriter {
public:
    explicit AlbumPageWriter(TExportEncyclopaediaDM& dm) : m_dm(dm) {}
    void write(int id, bool reset);

private:
    TExportEncyclopaediaDM& m_dm;
};

} // namespace vintora::export_
