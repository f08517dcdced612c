#pragma once

#include <QByteArray>

namespace talco {

class TapeModel;

// The used rows of the tape for a spreadsheet: a header, then one line per row with its
// number (from 1), operator, value, whether it is a result, and note. Under regional
// settings with a decimal comma the fields are separated by ";", otherwise by ","; the
// value is the figure without group separators. Fields are quoted as RFC 4180 says,
// lines end in CR LF, and the bytes are UTF-8 behind a byte-order mark, so that common
// spreadsheets read accents right.
QByteArray TapeCsv(const TapeModel& tape);

} // namespace talco
