// The drawing hand-off: run counter, drawing directory, "path.lsp", the derived wheel and
// pinion sizes, the report section and "transmit.txt".
#include "files/handoff.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/cp1251.h"
#include "core/float_check.h"
#include "core/numbers.h"
#include "engine/helix_angle.h"
#include "engine/part_sizes.h"
#include "files/file_ops.h"
#include "files/program_dir.h"

namespace gearpair {

namespace {

// The parent of the drawing directories and the path separator of this platform.
#ifdef _WIN32
constexpr char kSeparator = '\\';
std::string DrawingParent(std::string_view baseDir) {
    return DrawingParentWindows(baseDir);
}
#else
constexpr char kSeparator = '/';
std::string DrawingParent(std::string_view baseDir) {
    return DrawingParentPosix(baseDir);
}
#endif

// "dwg<N>" under the parent P, as the hand-off creates it and the drawings are written to.
std::string DrawingDirectoryOf(std::string_view parent, std::string_view runNumber) {
    std::string directory(parent);
    directory += kSeparator;
    directory += "dwg";
    directory += runNumber;
    return directory;
}

// The directory path as the drawing script reads it inside a Lisp string: forward slashes,
// and a double quote or a backslash that is part of a name escaped, so that no directory name
// can end the string early.
std::string LispPathText(std::string_view parent) {
    std::string text;
    text.reserve(parent.size() + 8);
    for (char c : parent) {
        if (kSeparator == '\\' && c == '\\') {
            text += '/';
            continue;
        }
        if (c == '"' || c == '\\') text += '\\';
        text += c;
    }
    return text;
}

// The text of "path.lsp" in code page 1251; a path the code page cannot hold is an invalid
// file name for the drawing script.
std::string PathLspBytes(std::string_view lispPath, std::string_view runNumber) {
    std::string text = "(setq savedwg \"";
    text += lispPath;
    text += "/dwg";
    text += runNumber;
    text += "/\")";
    std::optional<std::string> bytes = Utf8ToCp1251(text);
    if (!bytes) ThrowFileError(kInvalidFilename);
    return std::move(*bytes);
}

// Puts the comma back however WriteHandoff is left.
class CommaRestorer {
public:
    explicit CommaRestorer(Report& report) : report_(report) {}
    CommaRestorer(const CommaRestorer&) = delete;
    CommaRestorer& operator=(const CommaRestorer&) = delete;
    ~CommaRestorer() { report_.SetDecimalSeparator(','); }

private:
    Report& report_;
};

}  // namespace

std::string NextRunNumber(GearSession& session) {
    const std::string path = session.design.baseDir + "numdir.num";
    FileHandle file;
    if (!FileExists(path)) {
        file = CreateOrTruncate(path);
        WriteRecord32(file, 0);
    } else {
        file = OpenForUpdate(path);
    }
    // The counter wraps like the 32-bit integer it is stored as.
    const auto next =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadRecord32(file)) + 1u);
    WriteRecord32(file, next);
    session.runCaption = std::to_string(next);
    file.Close();
    return std::to_string(next);
}

void HandoffLine(GearSession& session, std::string_view label, double value) {
    session.report.ReportLine(label, value);
    // The value as the report line just written holds it after "label  ": formatted once.
    const std::string_view valueText =
        std::string_view(session.report.Lines().back()).substr(label.size() + 2);
    std::string& list = session.handoffList;
    list += '(';
    list += label;
    list += ' ';
    list += valueText;
    list += ") ";
}

PartSizes AppendHandoffList(GearSession& session) {
    CommaRestorer restorer(session.report);
    session.handoffList.clear();
    // The list of a design is about 360 characters: one allocation instead of a growing string.
    session.handoffList.reserve(512);
    const TGearDesign& d = session.design;
    Report& report = session.report;

    report.Add("Передаваемые результаты");
    const PartSizes s = DerivePartSizes(d);

    report.SetDecimalSeparator('.');
    session.handoffList += '(';

    report.Add("--=Общие параметры=--");
    HandoffLine(session, "aw", d.aw);
    HandoffLine(session, "mn", d.mn);
    HandoffLine(session, "z2", d.z2);
    HandoffLine(session, "betta", Checked(HandoffHelixDegrees(d)));

    report.Add("--=Параметры колеса=--");
    HandoffLine(session, "da2", d.da2);
    HandoffLine(session, "df2", d.df2);
    HandoffLine(session, "d2", d.d2);
    HandoffLine(session, "bkol", d.bkol);
    for (const PartSizeField& field : kWheelSizeFields) {
        HandoffLine(session, field.handoffLabel, s.*field.size);
    }

    report.Add("--=Параметры шестерни=--");
    HandoffLine(session, "da1", d.da1);
    HandoffLine(session, "df1", d.df1);
    HandoffLine(session, "d1", d.d1);
    HandoffLine(session, "z1", d.z1);
    HandoffLine(session, "bw", d.bw);
    for (const PartSizeField& field : kPinionSizeFields) {
        HandoffLine(session, field.handoffLabel, s.*field.size);
    }

    session.handoffList.pop_back();
    session.handoffList += ')';
    report.SetDecimalSeparator(',');
    return s;
}

PartSizes WriteHandoff(GearSession& session) {
    CommaRestorer restorer(session.report);
    session.handoffList.clear();
    const TGearDesign& d = session.design;

    const std::string parent = DrawingParent(d.baseDir);
    const std::string lispPath = LispPathText(parent);
    // A path the drawing script cannot read stops before any file is touched.
    if (!Utf8ToCp1251(lispPath)) throw ProgramDirectoryOutsideCp1251(d.baseDir);

    const std::string runNumber = NextRunNumber(session);
    FileHandle pathLsp = CreateOrTruncate(d.baseDir + "path.lsp");
    MakeDirectory(DrawingDirectoryOf(parent, runNumber));
    WriteBytes(pathLsp, PathLspBytes(lispPath, runNumber));
    pathLsp.Close();

    PartSizes sizes = AppendHandoffList(session);

    // Labels and numbers are ASCII: the same bytes in code page 1251.
    const std::string transmit = d.baseDir + "transmit.txt";
    ReplaceFileAtomically(transmit, session.handoffList, transmit);
    return sizes;
}

std::string DrawingDirectory(const GearSession& session) {
    if (session.runCaption.empty()) return {};
    return DrawingDirectoryOf(DrawingParent(session.design.baseDir), session.runCaption);
}

}  // namespace gearpair
