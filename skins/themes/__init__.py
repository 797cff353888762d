"""The skins shipped with the program; the first one is the default named in str.ini."""

from themes.graphite import GRAPHITE
from themes.crimson import CRIMSON

ALL = [GRAPHITE, CRIMSON]
DEFAULT = GRAPHITE
