#pragma once
// The companion programs that run beside Dravix.

// Asks the checker to end the hook program and ends the settings program and
// both elevation helpers.
void StopCompanions();
