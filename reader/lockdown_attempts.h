#pragma once

// What a parser taken over would try, each step once, with its outcome
// written to standard output as a line "NAME ERRNO" (0: it succeeded). The
// reader's test entry tries them after its lock-down; the tests start a
// stand-in for ffprobe that tries them under the start limits alone.
//
// `scratch` is a file of the caller's to change; `inherited` a descriptor
// number the starting process left open. Starting a program comes last:
// when it succeeds, its line is missing.
namespace media::reader {

void tryForbiddenSteps(const char* scratch, int inherited);

} // namespace media::reader
