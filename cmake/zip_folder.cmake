# cmake -DFOLDER=... -DZIP=... -P zip_folder.cmake: every file of FOLDER,
# named from the folder (no leading folder in the zip), into ZIP. Written
# beside it first, so a failed run leaves no half zip under its name.
file(GLOB_RECURSE files RELATIVE ${FOLDER} LIST_DIRECTORIES false ${FOLDER}/*)
list(SORT files)
file(REMOVE ${ZIP} ${ZIP}.part)
file(ARCHIVE_CREATE OUTPUT ${ZIP}.part PATHS ${files} FORMAT zip)
file(RENAME ${ZIP}.part ${ZIP})
