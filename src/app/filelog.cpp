#include "filelog.h"

Q_LOGGING_CATEGORY(lcFiles, "j3k.files", QtInfoMsg)
