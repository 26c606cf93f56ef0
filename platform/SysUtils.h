// Exceptions, text encoding and the file system, in the program's own terms.
//
// Inside the program text is code page 1250 and paths are relative, written
// with backslashes ("Data\Intf\Spec\R2_liaT.xji"). Only this layer turns them
// into UTF-8 file-system paths.
#pragma once
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

// The base of every error the program raises or catches by class.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message, std::string detail = std::string())
      : Message(std::move(message)), Detail(std::move(detail)) {}
  ~Exception() override = default;
  const char* what() const noexcept override { return Message.c_str(); }

  std::string Message;  // code page 1250
  // What failed, for standard error (a file's path and why); may be empty.
  std::string Detail;
  int HelpContext = 0;
};

class EStreamError : public Exception { using Exception::Exception; };
class EFOpenError : public EStreamError { using EStreamError::EStreamError; };
class EFCreateError : public EStreamError { using EStreamError::EStreamError; };
class EReadError : public EStreamError { using EStreamError::EStreamError; };
class EWriteError : public EStreamError { using EStreamError::EStreamError; };
class EInvalidGraphic : public Exception { using Exception::Exception; };  // a picture that cannot be read
class EJPEG : public EInvalidGraphic { using EInvalidGraphic::EInvalidGraphic; };
class EOutOfResources : public Exception { using Exception::Exception; };

// What an error says failed: its message, and its detail when it has one.
std::string Diagnosis(const std::exception& e);
// Writes "trelamondo: " and the text (code page 1250) as a line to standard error.
void ReportFailure(const std::string& text);
// Puts the file's name before what an error about its content says
// ("Data\x.xji: why"), unless it is there already.
void NameFileInError(Exception& e, const std::string& fileName);
// Runs read; a picture it finds unreadable (EInvalidGraphic) is then named by its file.
template <class Read>
void NamingFileInErrors(const std::string& fileName, Read read) {
  try {
    read();
  } catch (EInvalidGraphic& e) {
    NameFileInError(e, fileName);
    throw;
  }
}

// Equal text, ASCII letters compared without regard to case.
bool SameText(const std::string& a, const std::string& b);

// ---- code page 1250 ----
char16_t Cp1250ToUnicode(unsigned char c);
std::string Cp1250ToUtf8(const std::string& s);
std::u16string Cp1250ToUtf16(const std::string& s);
std::string Utf32ToUtf8(const std::u32string& s);
// Characters that code page 1250 lacks become '?'; malformed UTF-8 bytes too.
std::string Utf8ToCp1250(const std::string& s);

// ---- paths ----
// The file-system path of a program path: "\" becomes "/", the text becomes
// UTF-8, and each existing component is matched without regard to ASCII case
// (the data tree's names may differ in case from the names the code asks for).
std::string NativePath(const std::string& path);

std::string ExtractFileName(const std::string& path);  // after the last "\" or ":"
std::string ExtractFilePath(const std::string& path);  // up to and including it
std::string ExtractFileExt(const std::string& path);   // from the last "." of the name
std::string IncludeTrailingPathDelimiter(const std::string& path);

// ---- files and directories ----
bool FileExists(const std::string& name);  // a file, not a directory
bool DirectoryExists(const std::string& name);
bool CreateDir(const std::string& name);
bool ForceDirectories(const std::string& name);
bool DeleteFile(const std::string& name);
bool RenameFile(const std::string& from, const std::string& to);  // replaces `to`
std::int64_t FileSize(const std::string& name);                    // -1 when missing
std::string GetCurrentDir();                                       // absolute, code page 1250
bool SetCurrentDir(const std::string& dir);

// File attributes of a search.
constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;
constexpr int faSysFile = 0x04;
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faAnyFile = 0x3F;

struct TSearchRec {
  std::string Name;  // code page 1250, without its folder
  int Attr = 0;
  std::int64_t Size = 0;
  // the rest of a search, in order
  std::vector<TSearchRec> pending_;
  std::size_t next_ = 0;
};

// Searches "folder\mask" (the mask may hold * and ?, matched without regard
// to case). Plain files are always found; hidden files (names beginning with
// ".") only with faHidden, folders only with faDirectory. Names come sorted
// without regard to case, so a listing is the same on every run.
// Returns 0 when a file was found.
int FindFirst(const std::string& pathAndMask, int attr, TSearchRec& rec);
int FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);

// Windows-style wildcard match, ASCII case ignored.
bool MatchesMask(const std::string& name, const std::string& mask);
