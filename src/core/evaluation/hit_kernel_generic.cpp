// The kernel for any CPU: the compiler's portable bit count.
#define KOMBORA_HIT_KERNEL_ENTRY WorkGeneric
#include "evaluation/hit_kernel_impl.h"
