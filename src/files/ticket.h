#pragma once

#include <QString>

namespace talco {

class TapeModel;

// The tape as an HTML ticket: a two-column table in a fixed-pitch font, results in
// bold dark red, one dotted line for each run of empty rows, no line end after the
// closing tag. Numbers are written again in the current display format; every text
// is HTML-escaped, since a tape file can hold any text.
QString BuildTicket(const TapeModel& tape);

} // namespace talco
