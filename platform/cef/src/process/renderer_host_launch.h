// Starting and ending the renderer child process.
#pragma once

#include <sys/types.h>

#include <string>

namespace cef_internal {

// Starts |executable| as a renderer ("--type=renderer" and the channel
// switch naming |child_fd|, which only the child keeps open). The child is
// killed when the calling thread ends, so call it on a thread that outlives
// the renderer. Returns the child's id, or -1 when it could not start.
pid_t LaunchRendererProcess(const std::string& executable, int child_fd);

// Waits for the child to end, killing it when it does not end by itself
// soon. Returns its exit code, or the negated signal that ended it.
int ReapRendererProcess(pid_t pid);

// What a browser process starts as its renderer: its own executable when
// the process was entered through the program's own entry (its command line
// names the program the system started); otherwise none, and the renderer
// runs in-process.
std::string DefaultRendererExecutable();

}  // namespace cef_internal
