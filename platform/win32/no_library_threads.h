#pragma once
// Taken in before anything else by every source that is compiled for the
// oldest Windows of its file. From GCC 13 on, a C++ library built on Win32
// threads declares those (std::thread, std::mutex, condition variables, and
// the atomic waiting that <atomic> and <memory> reach in C++20) for Windows
// Vista and later only, and its headers then fail to compile for Windows 95
// or XP. The program uses none of them: its threads are the system's own. So
// the library is seen as one built without threads, which changes nothing
// the program does use.
#include <bits/c++config.h>
#undef _GLIBCXX_HAS_GTHREADS
