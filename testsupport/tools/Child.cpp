// testsupport_child: what the tests of RunChildProcess start. It carries out
// its options from left to right:
//   --out TEXT     writes TEXT to standard output
//   --err TEXT     writes TEXT to standard error
//   --bytes N      writes N bytes ('a' to 'z' over and over) to standard output
//   --hang         never ends
//   --exit N       the exit code (default 0)
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
  int code = 0;
  for (int i = 1; i < argc; ++i) {
    const char* option = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (strcmp(option, "--out") == 0) {
      fputs(value, stdout);
      ++i;
    } else if (strcmp(option, "--err") == 0) {
      fputs(value, stderr);
      ++i;
    } else if (strcmp(option, "--bytes") == 0) {
      for (long n = 0, count = atol(value); n < count; ++n) fputc('a' + n % 26, stdout);
      ++i;
    } else if (strcmp(option, "--hang") == 0) {
      fflush(stdout);
      fflush(stderr);
      HANDLE never = CreateEventA(nullptr, TRUE, FALSE, nullptr);
      WaitForSingleObject(never, INFINITE);
    } else if (strcmp(option, "--exit") == 0) {
      code = atoi(value);
      ++i;
    }
  }
  return code;
}
