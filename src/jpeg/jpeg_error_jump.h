#pragma once
// libjpeg's own error handler ends the process. This one keeps the message and jumps back to
// the setjmp of the function that called libjpeg; that function must own nothing with a
// destructor, because the jump skips destructors.
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jerror.h>
#include <jpeglib.h>

namespace vantrel::jpeg {

struct JumpError {
  jpeg_error_mgr pub;  // first member: libjpeg hands back a pointer to it
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] inline void JumpOnError(j_common_ptr cinfo) {
  auto* error = reinterpret_cast<JumpError*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, error->message);
  std::longjmp(error->jump, 1);
}

// A file that ends early is only a warning to libjpeg, which pads the picture with grey.
// A preview cut short is a broken file to us. Other warnings are counted, not printed.
inline void JumpOnTruncation(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  if (cinfo->err->msg_code == JWRN_JPEG_EOF) JumpOnError(cinfo);
  cinfo->err->num_warnings++;
}

inline jpeg_error_mgr* InstallJumpError(JumpError& error) {
  jpeg_error_mgr* pub = jpeg_std_error(&error.pub);
  pub->error_exit = JumpOnError;
  pub->emit_message = JumpOnTruncation;
  error.message[0] = '\0';
  return pub;
}

}  // namespace vantrel::jpeg
