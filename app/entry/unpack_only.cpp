// unpack_only.cpp -- the setup unpacks its payload and never packs. The
// archive's zlib converter has one class for both directions (the decoder
// derives from the encoder), so linking the decoder links the encoder's
// calls into zlib's compressor, about 30 KB the setup never runs. These
// stand in for the four compressor entry points the encoder names and
// refuse, so an encoder made in the setup fails at its first step.
#include <zlib.h>

extern "C" {

int deflateInit2_(z_streamp, int, int, int, int, int, const char*, int) { return Z_STREAM_ERROR; }
int deflate(z_streamp, int) { return Z_STREAM_ERROR; }
int deflateEnd(z_streamp) { return Z_STREAM_ERROR; }
int deflateReset(z_streamp) { return Z_STREAM_ERROR; }

}  // extern "C"
