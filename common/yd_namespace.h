// yd_namespace.h -- the namespace every class of Zephyra Setup lives in.
#pragma once

#define ZEPHYRA_NAMESPACE zephyra
