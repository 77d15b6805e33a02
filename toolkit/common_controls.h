#pragma once

// Registers the common control classes the toolkit wraps, once per process.
void InitCommonControlsOnce();
