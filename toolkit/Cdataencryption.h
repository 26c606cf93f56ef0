// Picture files stored scrambled.
//
// A file whose extension begins with "+" (the word pictures' ".+jp") holds
// the bytes of an ordinary picture file combined with a keystream made from
// the file's own name: its name without folder and extension, with ASCII
// capitals made small. The file is read whole into memory and unscrambled in
// place.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Classes.h"
#include "platform/Graphics.h"

class CDataEncryption {
 public:
  CDataEncryption();
  ~CDataEncryption();
  CDataEncryption(const CDataEncryption&) = delete;
  CDataEncryption& operator=(const CDataEncryption&) = delete;

  // Reads the whole file. With recordMarker the encoded flag follows the "+"
  // of the extension; without it the flag keeps its value. A file that cannot
  // be opened raises EFOpenError.
  void Load(const std::string& fileName, bool recordMarker);
  // The key of the loaded file: its name alone, ASCII capitals made small.
  std::string KeyFromName() const;
  // Unscrambles (or scrambles) the loaded content in place, whatever the flag says.
  void Decode(const std::string& key);
  // Unscrambles once: only while the content is marked as scrambled.
  void DecodeIfNeeded(const std::string& key);

  // Loads a possibly scrambled picture file into the caller's bitmap.
  // mode 0: BMP; 1: JPEG; 2: JPEG when the extension is exactly "jpg", else BMP.
  // An empty file leaves the bitmap as it was; the file and decoder errors
  // pass on to the caller. A JPEG may come reduced toward minWidth x
  // minHeight, as TJPEGImage::LoadFromMemory says.
  static void LoadBitmap(TBitmap* bitmap, const std::string& fileName, std::uint8_t mode, int minWidth = 0,
                         int minHeight = 0);

  TMemoryStream* Data() const { return data_.get(); }
  bool Encoded() const { return encoded_; }
  const std::string& Path() const { return path_; }  // file name without its last extension
  const std::string& Ext() const { return ext_; }    // without "." and a following "+"

 private:
  std::unique_ptr<TMemoryStream> data_;
  bool encoded_ = false;
  std::string path_;
  std::string ext_;
};

// The key of a file name, as CDataEncryption::KeyFromName gives it after Load.
std::string ScrambleKeyOfFile(const std::string& fileName);
// Scrambles a plain file image held in memory with a key (code page 1250), so
// that it can be stored under "<key>.+<ext>"; applied to a scrambled image it
// restores the plain one.
void ScrambleWithKey(const std::string& key, std::uint8_t* data, std::int64_t size);
