# fish completion for tovrel2-find: modes, options, their values, and file
# names for the word list.
set -l modes complete extended partial extended-partial
complete -c tovrel2-find -f
complete -c tovrel2-find -n "not __fish_seen_subcommand_from $modes" -a complete -d 'exact anagrams'
complete -c tovrel2-find -n "not __fish_seen_subcommand_from $modes" -a extended -d 'the same letters, any number of times'
complete -c tovrel2-find -n "not __fish_seen_subcommand_from $modes" -a partial -d 'no longer, made of its characters'
complete -c tovrel2-find -n "not __fish_seen_subcommand_from $modes" -a extended-partial -d 'no shorter, made of its characters'
complete -c tovrel2-find -s d -l dictionary -r -F -d 'the word list to search'
complete -c tovrel2-find -s c -l count -d 'print only the number of matching words'
complete -c tovrel2-find -s 0 -l null -d 'end each word with a NUL byte'
complete -c tovrel2-find -l json -d 'print JSON'
complete -c tovrel2-find -l format -x -a 'lines null box json' -d 'the output format'
complete -c tovrel2-find -l batch -d 'search every word of standard input in one pass'
complete -c tovrel2-find -l encoding -x -a 'auto utf-8 latin-1' -d 'how the word list is read'
complete -c tovrel2-find -l fold-accents -d 'let accented letters count as plain ones'
complete -c tovrel2-find -s h -l help -d 'print a summary of the modes and options'
complete -c tovrel2-find -s V -l version -d 'print the version'
