// The process-wide control-id counter of the buttons pages create at run
// time: data-item blocks and function buttons take their ids from it alike,
// so a window that holds both never has two with the same id. It starts at
// 6000 and every button takes its current value.
#pragma once

int TakeNextControlId();
