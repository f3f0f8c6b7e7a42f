#pragma once

namespace vintora::db {
class Connection;
}

namespace vintora::catalogue {

// Rows a new catalogue needs: album kinds 1 to 12, issue kinds, countries, the role delimiters
// "-" and ":", and the first line of the transfer history.
void fillReferenceRows(db::Connection& connection);

} // namespace vintora::catalogue
