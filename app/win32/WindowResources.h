#pragma once

// Resource ids shared by the resource script and the code.
#define applicationIcon 1
#define logoResource 101
