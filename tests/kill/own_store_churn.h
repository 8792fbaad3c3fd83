#pragma once

// Saves and deletes own systems in the own-systems folder `folder` in a loop that never ends,
// announcing each change on the standard output (own_store_churn_loop.cpp says how). Returns
// only on a failure, with a code other than 0.
int ChurnOwnStore(const char* folder, unsigned seed);
