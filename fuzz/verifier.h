#pragma once
// A broken property is a finding like a crash: say which, and abort.
#include <cstdio>
#include <cstdlib>

#define QX30_VERIFIER(condition)                                                   \
  ((condition) ? (void)0                                                           \
               : (std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition), \
                  std::abort()))
