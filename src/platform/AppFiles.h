#pragma once
// Files beside the program: the program folder is the executable's folder,
// or TROVELIN_HOME when set; the original's "\Files\X" is
// <program folder>/Files/X. Settings and list files are 8-bit Windows-1252
// text with CR LF line ends, as the original wrote them.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

QString AppPath();                         // the program folder, no trailing slash
QString FilesPath(const QString& name);    // <program folder>/Files/<name>

// Windows-1252 both ways; characters it cannot hold become "?".
QString fromCp1252(const QByteArray& bytes);
QByteArray toCp1252(const QString& text);

// Whole lines of an 8-bit text file (CR LF, LF or CR end a line); nullopt
// when the file cannot be opened.
std::optional<QStringList> readTextLines(const QString& path);

// Every file the program rewrites goes through here: the bytes go to a new
// file beside it, which takes the old one's place only once it is complete,
// so a crash or a full disk mid-write leaves the previous file as it was.
// False when the file could not be written.
bool writeFileWhole(const QString& path, const QByteArray& bytes);

// Writes the lines, each followed by CR LF, whole or not at all; false when
// the file cannot be written.
bool writeTextLines(const QString& path, const QStringList& lines);

// The same for files written as UTF-8, which holds every file name: a line
// that is not valid UTF-8 is read as Windows-1252, as older programs wrote
// it. The file is written whole or not at all.
std::optional<QStringList> readUtf8Lines(const QString& path);
bool writeUtf8Lines(const QString& path, const QStringList& lines);

// The run time's field input (Input #): fields end at commas and line ends;
// blanks before a field are skipped, a field in double quotes is taken whole
// (without its quotes), an unquoted field loses its trailing blanks. Each
// field's bytes are decoded with decode: Windows-1252, or decodeLine for a
// text file of the user's, which may well be UTF-8.
using Decoder = QString (*)(const QByteArray&);
QStringList readFields(const QByteArray& fileBytes, Decoder decode = fromCp1252);
std::optional<QStringList> readFieldsOfFile(const QString& path, Decoder decode = fromCp1252);

// The profile reader: the value of key in section of an INI file, section
// and key without regard to case, the value without surrounding blanks and
// cut to bufferSize - 1 characters. "" when the file, section or key is
// missing.
QString readProfileString(const QString& path, const QString& section, const QString& key,
                          int bufferSize = 350);

}  // namespace platform
