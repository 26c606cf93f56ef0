#include "platform/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

#include "platform/Classes.h"
#include "platform/SysUtils.h"

namespace {

// libjpeg reports errors through a callback that must not return; it jumps
// back here and the error becomes an exception once libjpeg's state is gone.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

void SilentMessage(j_common_ptr, int) {}

// Corrupt or missing data is only a warning to libjpeg, which then fills the
// rest of the picture with grey. A damaged picture is refused instead.
void WarningIsError(j_common_ptr cinfo, int level) {
  if (level < 0) ErrorExit(cinfo);
}

// What libjpeg may hold besides the picture itself: a progressive picture
// of the largest size keeps every coefficient, up to 24 MB.
constexpr long kMaxDecoderMemory = 40L << 20;
// Each scan of a progressive picture passes over all of it again; real
// pictures have a dozen.
constexpr int kMaxScans = 100;

// Everything that lives across the jump is plain data held by the caller.
struct DecodeState {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  jpeg_progress_mgr progress;
};

void CountScans(j_common_ptr cinfo) {
  auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (d->input_scan_number <= kMaxScans) return;
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  std::snprintf(err->message, sizeof err->message, "more than %d scans", kMaxScans);
  std::longjmp(err->jump, 1);
}

// The smallest of libjpeg's scales M/8 that makes a width x height picture
// at least minWidth x minHeight, and makes it exactly (so its proportions
// hold); 8 when none does.
unsigned ReducedScale(unsigned width, unsigned height, int minWidth, int minHeight) {
  if (minWidth < 1 || minHeight < 1) return 8;
  for (unsigned m = 1; m < 8; ++m)
    if (width * m % 8 == 0 && height * m % 8 == 0 && width * m / 8 >= unsigned(minWidth) &&
        height * m / 8 >= unsigned(minHeight))
      return m;
  return 8;
}

bool Decode(DecodeState& st, const std::uint8_t* data, std::size_t size, int minWidth, int minHeight, TBitmap& out,
            std::string& error) {
  st.cinfo.err = jpeg_std_error(&st.err.pub);
  st.err.pub.error_exit = ErrorExit;
  st.err.pub.emit_message = WarningIsError;
  st.err.message[0] = 0;
  if (setjmp(st.err.jump)) {
    jpeg_destroy_decompress(&st.cinfo);
    error = st.err.message;
    return false;
  }
  jpeg_create_decompress(&st.cinfo);
  jpeg_mem_src(&st.cinfo, data, (unsigned long)size);
  jpeg_read_header(&st.cinfo, TRUE);
  bool grey = st.cinfo.num_components == 1;
  if (!grey && st.cinfo.jpeg_color_space != JCS_YCbCr && st.cinfo.jpeg_color_space != JCS_RGB) {
    jpeg_destroy_decompress(&st.cinfo);
    error = "Unsupported JPEG colour space";
    return false;
  }
  if (!PictureSizeUsable(st.cinfo.image_width, st.cinfo.image_height)) {
    jpeg_destroy_decompress(&st.cinfo);
    error = PictureSizeRefusal(st.cinfo.image_width, st.cinfo.image_height);
    return false;
  }
  st.cinfo.out_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGR;
  st.cinfo.scale_num = ReducedScale(st.cinfo.image_width, st.cinfo.image_height, minWidth, minHeight);
  st.cinfo.scale_denom = 8;
  st.cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
  st.progress.progress_monitor = CountScans;
  st.cinfo.progress = &st.progress;
  jpeg_start_decompress(&st.cinfo);
  // The bitmap's storage is allocated before any further libjpeg call can jump.
  out.SetPixelFormat(grey ? pf8bit : pf24bit);
  out.SetSize(int(st.cinfo.output_width), int(st.cinfo.output_height));
  while (st.cinfo.output_scanline < st.cinfo.output_height) {
    JSAMPROW row = out.ScanLine(int(st.cinfo.output_scanline));
    jpeg_read_scanlines(&st.cinfo, &row, 1);
  }
  jpeg_finish_decompress(&st.cinfo);
  jpeg_destroy_decompress(&st.cinfo);
  return true;
}

}  // namespace

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromMemory(const std::uint8_t* data, std::size_t size, int minWidth, int minHeight) {
  bitmap_.SetHeight(0);
  if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) throw EJPEG("JPEG error #53: not a JPEG file");
  TBitmap decoded;
  std::string error;
  // Exceptions from the bitmap (out of memory) must not cross libjpeg frames,
  // so the size is checked before the bitmap is made; see Decode.
  DecodeState* st = new DecodeState;
  bool ok;
  try {
    ok = Decode(*st, data, size, minWidth, minHeight, decoded, error);
  } catch (...) {
    jpeg_destroy_decompress(&st->cinfo);
    delete st;
    throw;
  }
  delete st;
  if (!ok) throw EJPEG("JPEG error: " + error);
  if (decoded.PixelFormat() == pf8bit) decoded.SetPalette(NewGreyPalette());
  decoded.SetHandleType(bmDIB);
  // Taken over, not copied: a screen-sized picture is never held twice.
  bitmap_.Exchange(decoded);
}

void TJPEGImage::TakeBitmap(TBitmap* target) {
  target->Exchange(bitmap_);
  bitmap_.SetHeight(0);
}

void TJPEGImage::LoadFromFile(const std::string& fileName) {
  bitmap_.SetHeight(0);
  TMemoryStream m;
  m.LoadFromFile(fileName, kMaxPictureFileBytes);
  NamingFileInErrors(fileName, [&] { LoadFromMemory(m.Memory(), std::size_t(m.Size())); });
}

void TJPEGImage::LoadFromStream(TStream* stream) {
  bitmap_.SetHeight(0);
  std::int64_t n = stream->Size() - stream->Position();
  std::vector<std::uint8_t> data(std::size_t(n > 0 ? n : 0));
  stream->ReadBuffer(data.data(), std::int64_t(data.size()));
  LoadFromMemory(data.data(), data.size());
}

void TJPEGImage::DrawOn(TCanvas& canvas, int x, int y) const { bitmap_.DrawOn(canvas, x, y); }

void TJPEGImage::Assign(const TPersistent* source) {
  if (auto j = dynamic_cast<const TJPEGImage*>(source)) {
    bitmap_.Assign(&j->bitmap_);
    return;
  }
  TGraphic::Assign(source);
}

namespace {

// The compressed bytes go straight into a vector that the caller's state
// owns: whatever libjpeg does before an error, the vector holds the one
// buffer and frees it.
struct VectorDestination {
  jpeg_destination_mgr pub;
  std::vector<std::uint8_t>* out;
};

bool ResizeNoThrow(std::vector<std::uint8_t>& v, std::size_t n) noexcept {
  try {
    v.resize(n);
    return true;
  } catch (...) {
    return false;
  }
}

void InitDestination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<VectorDestination*>(cinfo->dest);
  if (!ResizeNoThrow(*d->out, 16384)) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
  d->pub.next_output_byte = d->out->data();
  d->pub.free_in_buffer = d->out->size();
}

// Called when the buffer is full: doubles it.
boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<VectorDestination*>(cinfo->dest);
  const std::size_t used = d->out->size();
  if (!ResizeNoThrow(*d->out, used * 2)) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
  d->pub.next_output_byte = d->out->data() + used;
  d->pub.free_in_buffer = d->out->size() - used;
  return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<VectorDestination*>(cinfo->dest);
  d->out->resize(d->out->size() - d->pub.free_in_buffer);
}

struct EncodeState {
  jpeg_compress_struct cinfo;
  ErrorManager err;
  VectorDestination dest;
  std::vector<std::uint8_t> bytes;
};

bool Encode(EncodeState& st, const TBitmap& src, int quality, bool fullChroma, std::string& error) {
  st.cinfo.err = jpeg_std_error(&st.err.pub);
  st.err.pub.error_exit = ErrorExit;
  st.err.pub.emit_message = SilentMessage;
  st.err.message[0] = 0;
  if (setjmp(st.err.jump)) {
    jpeg_destroy_compress(&st.cinfo);
    error = st.err.message;
    return false;
  }
  jpeg_create_compress(&st.cinfo);
  st.dest.pub.init_destination = InitDestination;
  st.dest.pub.empty_output_buffer = EmptyOutputBuffer;
  st.dest.pub.term_destination = TermDestination;
  st.dest.out = &st.bytes;
  st.cinfo.dest = &st.dest.pub;
  bool grey = src.PixelFormat() == pf8bit;
  st.cinfo.image_width = JDIMENSION(src.Width());
  st.cinfo.image_height = JDIMENSION(src.Height());
  st.cinfo.input_components = grey ? 1 : (src.PixelFormat() == pf24bit ? 3 : 4);
  st.cinfo.in_color_space = grey ? JCS_GRAYSCALE : (src.PixelFormat() == pf24bit ? JCS_EXT_BGR : JCS_EXT_BGRX);
  jpeg_set_defaults(&st.cinfo);
  jpeg_set_quality(&st.cinfo, quality, TRUE);
  if (fullChroma && !grey) {
    for (int i = 0; i < st.cinfo.num_components; ++i) {
      st.cinfo.comp_info[i].h_samp_factor = 1;
      st.cinfo.comp_info[i].v_samp_factor = 1;
    }
  }
  jpeg_start_compress(&st.cinfo, TRUE);
  while (st.cinfo.next_scanline < st.cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(src.ScanLine(int(st.cinfo.next_scanline)));
    jpeg_write_scanlines(&st.cinfo, &row, 1);
  }
  jpeg_finish_compress(&st.cinfo);
  jpeg_destroy_compress(&st.cinfo);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const TBitmap& bitmap, int quality, bool fullChroma) {
  const TBitmap* src = &bitmap;
  TBitmap converted;
  TPixelFormat pf = bitmap.PixelFormat();
  if (pf != pf8bit && pf != pf24bit && pf != pf32bit) {
    converted.Assign(&bitmap);
    converted.SetPixelFormat(pf24bit);
    src = &converted;
  }
  if (src->Width() == 0 || src->Height() == 0) throw EJPEG("Cannot encode an empty picture");
  EncodeState st;
  std::string error;
  if (!Encode(st, *src, quality, fullChroma, error)) throw EJPEG("JPEG error: " + error);
  return std::move(st.bytes);
}
