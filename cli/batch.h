// Batch runs: one design per line of a semicolon-separated file, one result row per design,
// streamed so that memory stays flat however long the input is.
#pragma once

#include <iosfwd>
#include <string_view>

namespace gearpair {

inline constexpr std::string_view kBatchInputHeader =
    "ratio;power;speed;hardness;life;width;helix;arrangement";
inline constexpr std::string_view kBatchOutputHeader =
    "ratio;power;speed;hardness;life;width;helix;arrangement;status;aw;mn;z1;z2;d1;d2;"
    "recalculations;message;bw;bkol;contact_stress;contact_allowable;bending_stress;"
    "bending_allowable;input_bearing;output_bearing;bearing_life;input_end;output_end;shafts";

// Longest line read as a row, in bytes; eight input texts need far less. A longer line is
// reported as a bad row and skipped without being held in memory.
inline constexpr std::size_t kMaxBatchLine = 4096;

// Checks the header, writes the output header, then reads one line, runs its design in a fresh
// session and writes its row before reading the next. Empty lines are skipped; a bad line
// (wrong field count, unclosed quote, rejected input, stop, error) gets its status and message
// and the batch goes on. No files are written. A byte-order mark before the header and a
// carriage return before each line end (files saved on Windows) are ignored. With
// `flushEachRow` every row is flushed as soon as it is written (input from a pipe).
// Returns 0 when every row completed, 1 otherwise. Throws UsageError when the header is
// missing or wrong, Error when the input cannot be read or the output cannot be written.
int RunBatch(std::istream& in, std::ostream& out, bool flushEachRow);

}  // namespace gearpair
