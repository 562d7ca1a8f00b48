// The process-wide control-id counter of the buttons pages create at run
// time (data-item blocks, function buttons): it starts at 6000 and every
// button takes its current value.
#pragma once

int TakeNextControlId();
